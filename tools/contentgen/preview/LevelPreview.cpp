#include "preview/LevelPreview.h"

#include <cmath>
#include <map>
#include <memory>

#include "ContentPaths.h"
#include "preview/Canvas.h"
#include "preview/PngFile.h"
#include "shared/BaseModel.h"
#include "shared/LevelData.h"

namespace {

// Heights that sort volumes, as the game does: boxes above 6.0 and spheres above 5.0 only block the camera,
// and a level box blocks sight when its half-height is above 1.8.
constexpr float kLowBoxTop = 6.0f;
constexpr float kLowSphereTop = 5.0f;
constexpr float kSightHalfHeight = 1.8f;

const glm::vec3 kBackground(0.08f, 0.1f, 0.08f);
const glm::vec3 kFloor(0.17f, 0.22f, 0.15f);
const glm::vec3 kTallWall(0.62f, 0.62f, 0.66f);
const glm::vec3 kLowObstacle(0.6f, 0.42f, 0.22f);
const glm::vec3 kPillar(0.5f, 0.5f, 0.56f);
const glm::vec3 kCanopy(0.3f, 0.6f, 0.3f);
const glm::vec3 kShadow(1.0f, 0.85f, 0.2f);
const glm::vec3 kEmitter(1.0f, 0.5f, 0.1f);
const glm::vec3 kModelMark(0.85f, 0.85f, 0.85f);
const glm::vec3 kAnimatedMark(0.3f, 0.9f, 1.0f);
const glm::vec3 kSafeSquare(0.4f, 0.5f, 0.4f);

glm::vec2 Ground(const Float3& p) {
    return glm::vec2(p.x, p.z);
}

// A point of a model turned by its yaw and moved to its position (the game's row-vector yaw rotation).
glm::vec2 Place(const LevelModel& model, float x, float z) {
    const float yaw = model.rotation.y;
    const float c = std::cos(yaw);
    const float s = std::sin(yaw);
    return glm::vec2(model.position.x + x * c + z * s, model.position.z - x * s + z * c);
}

glm::vec3 RuneColor(RuneType type) {
    switch (type) {
        case RuneType::Heal:
            return {0.2f, 1.0f, 0.3f};
        case RuneType::Invisible:
            return {0.75f, 0.35f, 1.0f};
        case RuneType::Shield:
            return {1.0f, 0.85f, 0.1f};
    }
    return {1.0f, 1.0f, 1.0f};
}

class ModelCache {
public:
    explicit ModelCache(std::filesystem::path dataFolder) : m_dataFolder(std::move(dataFolder)) {}

    // The model at the game path, or nullptr when it does not load.
    const BaseModel* Get(const std::string& gamePath) {
        auto found = m_models.find(gamePath);
        if (found == m_models.end()) {
            auto model = std::make_unique<BaseModel>();
            const std::filesystem::path file = DataFileOf(m_dataFolder, gamePath);
            if (file.empty() || !model->LoadModel(file.string())) {
                model.reset();
            }
            found = m_models.emplace(gamePath, std::move(model)).first;
        }
        return found->second.get();
    }

private:
    std::filesystem::path m_dataFolder;
    std::map<std::string, std::unique_ptr<BaseModel>> m_models;
};

void DrawModel(Canvas& canvas, const LevelModel& placed, const BaseModel* model) {
    if (model != nullptr) {
        for (const CollisionBox& box : model->GetBoxes()) {
            const float cx = box.center.x;
            const float cz = box.center.z;
            const float hx = box.halfSizes.x;
            const float hz = box.halfSizes.z;
            const std::vector<glm::vec2> corners = {
                Place(placed, cx - hx, cz - hz), Place(placed, cx + hx, cz - hz),
                Place(placed, cx + hx, cz + hz), Place(placed, cx - hx, cz + hz)};
            if (box.center.y + placed.position.y > kLowBoxTop) {
                for (std::size_t i = 0; i < corners.size(); ++i) {
                    canvas.Line(corners[i], corners[(i + 1) % corners.size()], kCanopy);
                }
            } else {
                canvas.FillPolygon(corners, box.halfSizes.y > kSightHalfHeight ? kTallWall : kLowObstacle);
            }
        }
        for (const CollisionSphere& sphere : model->GetSpheres()) {
            const glm::vec2 center = Place(placed, sphere.center.x, sphere.center.z);
            if (sphere.center.y + placed.position.y > kLowSphereTop) {
                canvas.StrokeCircle(center, sphere.radius, kCanopy);
            } else {
                canvas.FillCircle(center, sphere.radius, kPillar);
            }
        }
    }
}

// Models without volumes, and animated ones, are marked by a dot at their position.
void MarkModel(Canvas& canvas, const LevelModel& placed, const BaseModel* model, bool animated) {
    const bool hasVolume = model != nullptr && (!model->GetBoxes().empty() || !model->GetSpheres().empty());
    if (!hasVolume || animated) {
        canvas.FillCircle(Ground(placed.position), animated ? 0.6f : 0.25f,
                          animated ? kAnimatedMark : kModelMark);
    }
}

}  // namespace

bool WriteLevelPreview(const std::filesystem::path& dataFolder, const std::filesystem::path& levelFile,
                       const std::filesystem::path& pngFile, std::string& error) {
    const LevelData level(levelFile.string());
    Canvas canvas(-50.0f, 50.0f, -57.0f, 57.0f, 6.0f);
    canvas.Clear(kBackground);
    canvas.FillPolygon({{-45.0f, -52.0f}, {45.0f, -52.0f}, {45.0f, 52.0f}, {-45.0f, 52.0f}}, kFloor);
    // The square that stays safe in sudden death.
    canvas.Line({-12.0f, -12.0f}, {12.0f, -12.0f}, kSafeSquare);
    canvas.Line({12.0f, -12.0f}, {12.0f, 12.0f}, kSafeSquare);
    canvas.Line({12.0f, 12.0f}, {-12.0f, 12.0f}, kSafeSquare);
    canvas.Line({-12.0f, 12.0f}, {-12.0f, -12.0f}, kSafeSquare);

    ModelCache models(dataFolder);
    for (const LevelModel& placed : level.GetModels()) {
        DrawModel(canvas, placed, models.Get(placed.path));
    }
    for (const LevelModel& placed : level.GetAnimatedModels()) {
        DrawModel(canvas, placed, models.Get(placed.path));
    }
    for (const LevelBox& box : level.GetBoxes()) {
        // Box lines hold their centre in fields 1 to 3 and their half-sizes along x, y, z in fields 9, 8, 7.
        const glm::vec2 c(box.center.x, box.center.z);
        const glm::vec2 h(box.halfSizesZyx.z, box.halfSizesZyx.x);
        canvas.FillPolygon({c - h, {c.x + h.x, c.y - h.y}, c + h, {c.x - h.x, c.y + h.y}},
                           box.halfSizesZyx.y > kSightHalfHeight ? kTallWall : kLowObstacle);
    }
    for (const LevelModel& placed : level.GetModels()) {
        MarkModel(canvas, placed, models.Get(placed.path), false);
    }
    for (const LevelModel& placed : level.GetAnimatedModels()) {
        MarkModel(canvas, placed, models.Get(placed.path), true);
    }
    for (const LevelShadowLine& line : level.GetShadowLines()) {
        canvas.Line({line.a.x, line.a.z}, {line.b.x, line.b.z}, kShadow);
    }
    for (const LevelEmitter& emitter : level.GetEmitters()) {
        canvas.FillCircle(Ground(emitter.position), 0.3f, kEmitter);
    }
    for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
        const glm::vec3 color = spawn.team == 1 ? glm::vec3(1.0f, 0.2f, 0.2f) : glm::vec3(0.3f, 0.5f, 1.0f);
        canvas.FillCircle(Ground(spawn.position), 0.9f, color);
    }
    for (const LevelRune& rune : level.GetRunes()) {
        const glm::vec2 c = Ground(rune.position);
        canvas.FillPolygon({c + glm::vec2(0.0f, 1.4f), c + glm::vec2(1.4f, 0.0f), c - glm::vec2(0.0f, 1.4f),
                            c - glm::vec2(1.4f, 0.0f)},
                           RuneColor(rune.type));
    }
    return SavePng(pngFile, canvas, error);
}
