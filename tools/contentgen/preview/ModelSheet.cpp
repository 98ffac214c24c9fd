#include "preview/ModelSheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "check/ContentRules.h"
#include "check/InspectedModel.h"
#include "check/LayeredPose.h"
#include "preview/PngFile.h"

namespace {

constexpr int kCell = 128;
constexpr int kFramesPerClip = 4;

struct View {
    glm::vec3 right;
    glm::vec3 forward;  // away from the viewer
};

class Raster {
public:
    Raster(int width, int height)
        : m_width(width),
          m_height(height),
          m_rgb(static_cast<std::size_t>(width * height * 3), 40),
          m_depth(static_cast<std::size_t>(width * height), 1e9f) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<std::uint8_t>& Rgb() const { return m_rgb; }

    void Triangle(const glm::vec3 p[3], const glm::vec3& color) {
        const float area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
        if (std::abs(area) < 1e-6f) {
            return;
        }
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
        const int x1 = std::min(m_width - 1, static_cast<int>(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
        const int y1 =
            std::min(m_height - 1, static_cast<int>(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const float px = static_cast<float>(x) + 0.5f;
                const float py = static_cast<float>(y) + 0.5f;
                const float w0 = ((p[1].x - px) * (p[2].y - py) - (p[2].x - px) * (p[1].y - py)) / area;
                const float w1 = ((p[2].x - px) * (p[0].y - py) - (p[0].x - px) * (p[2].y - py)) / area;
                const float w2 = 1.0f - w0 - w1;
                if (w0 < 0.0f || w1 < 0.0f || w2 < 0.0f) {
                    continue;
                }
                const float depth = w0 * p[0].z + w1 * p[1].z + w2 * p[2].z;
                const auto i = static_cast<std::size_t>(y * m_width + x);
                if (depth < m_depth[i]) {
                    m_depth[i] = depth;
                    for (int c = 0; c < 3; ++c) {
                        m_rgb[i * 3 + static_cast<std::size_t>(c)] =
                            static_cast<std::uint8_t>(std::lround(std::clamp(color[c], 0.0f, 1.0f) * 255.0f));
                    }
                }
            }
        }
    }

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_rgb;
    std::vector<float> m_depth;
};

glm::vec3 TextureColor(const ModelTexture& texture, float u, float v) {
    if (!texture.HasPixels()) {
        return glm::vec3(0.7f);
    }
    const auto wrap = [](float t) { return t - std::floor(t); };
    const int x =
        std::clamp(static_cast<int>(wrap(u) * static_cast<float>(texture.width)), 0, texture.width - 1);
    const int y =
        std::clamp(static_cast<int>(wrap(v) * static_cast<float>(texture.height)), 0, texture.height - 1);
    const auto i = static_cast<std::size_t>((y * texture.width + x) * 4);
    return glm::vec3(texture.pixels[i], texture.pixels[i + 1], texture.pixels[i + 2]) / 255.0f;
}

// The whip's joints: "Surujin9" and what follows it down to the first leaf (pre-order numbers).
std::vector<bool> ChainJoints(const JointNode& root) {
    std::vector<const JointNode*> order;
    std::vector<const JointNode*> stack{&root};
    while (!stack.empty()) {
        const JointNode* node = stack.back();
        stack.pop_back();
        order.push_back(node);
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child) {
            stack.push_back(&*child);
        }
    }
    std::vector<bool> chain(order.size(), false);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i]->name == "Surujin9") {
            for (std::size_t k = i; k < order.size(); ++k) {
                chain[k] = true;
                if (order[k]->children.empty()) {
                    break;
                }
            }
        }
    }
    return chain;
}

void DrawPose(Raster& raster, int cellX, int cellY, const ModelFileData& file,
              const std::vector<EvaluatedJoint>& joints, const View& view, const std::vector<bool>& hidden) {
    const std::vector<JointRecord>& records = file.animations.front().joints;
    const glm::vec3 light = glm::normalize(glm::vec3(-0.4f, 0.8f, -0.5f));
    // The cell shows 3.2 units across and up, from 0.3 below the ground.
    const float scale = static_cast<float>(kCell) / 3.2f;
    for (std::size_t i = 0; i + 2 < file.animatedVertices.size(); i += 3) {
        glm::vec3 screen[3];
        glm::vec3 normal(0.0f);
        for (std::size_t k = 0; k < 3; ++k) {
            const VertexAnimated& v = file.animatedVertices[i + k];
            const glm::vec3 p = SkinPosition(v, joints, records);
            screen[k] = glm::vec3(static_cast<float>(cellX) + static_cast<float>(kCell) * 0.5f +
                                      glm::dot(p, view.right) * scale,
                                  static_cast<float>(cellY + kCell) - (p.y + 0.3f) * scale,
                                  glm::dot(p, view.forward));
            if (v.boneIndices[0] < joints.size()) {
                normal += joints[v.boneIndices[0]].rotation * ToVec3(v.normal);
            }
        }
        const VertexAnimated& first = file.animatedVertices[i];
        if (first.boneIndices[0] < hidden.size() && hidden[first.boneIndices[0]]) {
            continue;  // the game folds the whip away outside the whip attacks
        }
        const float shade =
            0.35f + 0.65f * std::max(0.0f, glm::dot(glm::normalize(normal + glm::vec3(1e-6f)), light));
        raster.Triangle(screen, TextureColor(file.diffuse, first.texcoord[0], first.texcoord[1]) * shade);
    }
}

const ModelAnimation* Find(const std::vector<ModelAnimation>& animations, const std::string& name) {
    for (const ModelAnimation& a : animations) {
        if (a.name == name) {
            return &a;
        }
    }
    return nullptr;
}

}  // namespace

bool WriteModelSheet(const std::filesystem::path& modelFile, const std::filesystem::path& pngFile,
                     std::string& error) {
    InspectedModel model;
    if (!model.LoadModel(modelFile.string()) || !model.File().animated ||
        model.File().animations.size() < 2) {
        error = "cannot make a sheet of " + modelFile.string();
        return false;
    }
    const ModelFileData& file = model.File();
    const std::vector<ModelAnimation>& animations = file.animations;
    const ModelAnimation* idleLegs = Find(animations, "IdleL");
    const ModelAnimation* idleArms = Find(animations, "IdleA");
    const bool ninja = idleLegs != nullptr && idleArms != nullptr;

    // Each row: the clip, and what plays on the other layer.
    struct Row {
        const ModelAnimation* clip;
        bool upper;
    };
    std::vector<Row> rows;
    if (ninja) {
        for (const ModelAnimation& a : animations) {
            rows.push_back(Row{&a, !IsLowerClip(a.name)});
        }
    } else {
        rows.push_back(Row{&animations[1], true});
    }
    const View side{{0.0f, 0.0f, -1.0f}, {1.0f, 0.0f, 0.0f}};
    const View front{{1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}};
    const std::vector<bool> chain = ChainJoints(animations.front().frames.front());
    Raster raster(kCell * kFramesPerClip * 2, kCell * static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const ModelAnimation& clip = *rows[r].clip;
        for (int f = 0; f < kFramesPerClip; ++f) {
            const std::size_t frame = clip.frames.size() * static_cast<std::size_t>(f) / kFramesPerClip;
            const JointNode& shown = clip.frames[std::min(frame, clip.frames.size() - 1)];
            const JointNode& other =
                ninja ? (rows[r].upper ? idleLegs->frames.front() : idleArms->frames.front())
                      : animations[0].frames[std::min(frame, animations[0].frames.size() - 1)];
            const std::vector<EvaluatedJoint> joints =
                rows[r].upper ? EvaluateLayers(shown, other) : EvaluateLayers(other, shown);
            const int y = static_cast<int>(r) * kCell;
            const bool whip = clip.name == "Range" || clip.name == "Spec2";
            const std::vector<bool> hidden = whip ? std::vector<bool>() : chain;
            DrawPose(raster, f * kCell, y, file, joints, side, hidden);
            DrawPose(raster, (kFramesPerClip + f) * kCell, y, file, joints, front, hidden);
        }
    }
    Canvas canvas(0.0f, static_cast<float>(raster.Width()), 0.0f, static_cast<float>(raster.Height()), 1.0f);
    canvas.SetPixels(raster.Rgb());
    return SavePng(pngFile, canvas, error);
}
