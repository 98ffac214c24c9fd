#include "shared/ModelWriter.h"

#include <bit>
#include <cstdio>
#include <limits>
#include <memory>

namespace {

constexpr std::size_t kMaxCount = std::numeric_limits<std::int32_t>::max();

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}

    void Uint8(std::uint8_t value) { m_bytes.push_back(value); }
    void Uint32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void Int32(std::int32_t value) { Uint32(static_cast<std::uint32_t>(value)); }
    void Count(std::size_t value) { Int32(static_cast<std::int32_t>(value)); }
    void Float(float value) { Uint32(std::bit_cast<std::uint32_t>(value)); }
    void Floats(const Float3& v) {
        Float(v.x);
        Float(v.y);
        Float(v.z);
    }
    void Floats(const Float4& v) {
        Float(v.x);
        Float(v.y);
        Float(v.z);
        Float(v.w);
    }
    void Floats(const Float4x4& matrix) {
        for (const auto& row : matrix.m) {
            for (const float element : row) {
                Float(element);
            }
        }
    }
    void Bytes(const std::vector<std::uint8_t>& bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }
    void Zeros(std::size_t count) { m_bytes.insert(m_bytes.end(), count, 0); }
    // A fixed field: the text, then zeros up to fieldSize. The text has been checked to be shorter.
    void Name(const std::string& text, std::size_t fieldSize) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        Zeros(fieldSize - text.size());
    }

private:
    std::vector<std::uint8_t>& m_bytes;
};

// The checks mirror the parser's rules, so that what is written reads back unchanged.
class ModelChecker {
public:
    explicit ModelChecker(std::string& error) : m_error(error) {}

    bool Check(const ModelFileData& model) {
        if (model.animated ? !model.vertices.empty() : !model.animatedVertices.empty()) {
            return Fail(model.animated ? "an animated model holds static vertices"
                                       : "a static model holds animated vertices");
        }
        if (model.VertexCount() > kMaxCount || model.animations.size() > kMaxCount) {
            return Fail("too many vertices or animations for a 32-bit count");
        }
        if (!CheckTexture("the diffuse texture", model.diffuse) ||
            !CheckTexture("the normal map", model.normalMap)) {
            return false;
        }
        for (const ModelAnimation& animation : model.animations) {
            if (!CheckAnimation(animation)) {
                return false;
            }
        }
        if (model.boxes.size() > kMaxModelBoxes || model.points.size() > kMaxModelPoints ||
            model.spheres.size() > kMaxModelSpheres) {
            return Fail("more than 9 boxes, 99 points or 9 spheres");
        }
        return true;
    }

private:
    bool Fail(const std::string& what) {
        m_error = what;
        return false;
    }

    bool CheckName(const std::string& owner, const std::string& name) {
        if (name.size() >= kModelNameSize || name.find('\0') != std::string::npos) {
            return Fail("the name of " + owner + " must be text of at most 63 bytes");
        }
        return true;
    }

    bool CheckTexture(const std::string& what, const ModelTexture& texture) {
        const std::int64_t product = static_cast<std::int64_t>(texture.width) * texture.height;
        const bool noPixels =
            product == 0 || texture.bytesPerPixel == 0 || ((product < 0) != (texture.bytesPerPixel < 0));
        if (noPixels) {
            return texture.pixels.empty() ? true : Fail(what + " holds pixels but its size has none");
        }
        if (texture.width < 0 || texture.height < 0 || texture.bytesPerPixel != kModelTextureBytesPerPixel) {
            return Fail(what + " must have a positive size and 4 bytes per pixel");
        }
        if (texture.pixels.size() != static_cast<std::uint64_t>(product) * kModelTextureBytesPerPixel) {
            return Fail(what + " holds " + std::to_string(texture.pixels.size()) +
                        " bytes, not width * height * 4");
        }
        return true;
    }

    bool CheckAnimation(const ModelAnimation& animation) {
        const std::string owner = "animation \"" + animation.name + "\"";
        if (!CheckName("an animation", animation.name)) {
            return false;
        }
        if (animation.frameCount < 0 || animation.jointCount < 0 || animation.jointCount > kMaxModelJoints) {
            return Fail(owner + " needs a frame count of at least 0 and a joint count in 0..256");
        }
        const std::size_t frames =
            animation.frameCount > 1 ? static_cast<std::size_t>(animation.frameCount) - 1 : 0;
        if (animation.frames.size() != frames ||
            animation.joints.size() != static_cast<std::size_t>(animation.jointCount)) {
            return Fail(owner + " must hold frame count - 1 frames and joint count joint records");
        }
        for (const JointNode& root : animation.frames) {
            std::int32_t budget = animation.jointCount;
            if (!CheckTree(owner, root, budget)) {
                return false;
            }
        }
        return true;
    }

    // Stops as soon as the budget runs out, so a deep tree costs at most kMaxModelJoints levels.
    bool CheckTree(const std::string& owner, const JointNode& node, std::int32_t& budget) {
        if (budget <= 0) {
            return Fail("a frame of " + owner + " holds more joints than its joint count");
        }
        --budget;
        if (!CheckName("a joint of " + owner, node.name)) {
            return false;
        }
        for (const JointNode& child : node.children) {
            if (!CheckTree(owner, child, budget)) {
                return false;
            }
        }
        return true;
    }

    std::string& m_error;
};

template <typename V>
void WriteVertexFields(ByteWriter& out, const V& v) {
    out.Floats(v.position);
    out.Float(v.texcoord[0]);
    out.Float(v.texcoord[1]);
    out.Floats(v.normal);
    out.Floats(v.tangent);
}

void WriteTexture(ByteWriter& out, const ModelTexture& texture) {
    out.Int32(texture.width);
    out.Int32(texture.height);
    out.Int32(texture.bytesPerPixel);
    out.Bytes(texture.pixels);
}

void WriteJointTree(ByteWriter& out, const JointNode& node) {
    out.Name(node.name, kModelNameSize);
    out.Floats(node.translation);
    out.Floats(node.rotation);
    out.Floats(node.orientation);
    out.Zeros(kModelJointNodeReservedSize);
    out.Count(node.children.size());
    for (const JointNode& child : node.children) {
        WriteJointTree(out, child);
    }
}

void WriteAnimation(ByteWriter& out, const ModelAnimation& animation) {
    out.Name(animation.name, kModelNameSize);
    out.Int32(animation.frameCount);
    out.Int32(animation.jointCount);
    for (const JointNode& root : animation.frames) {
        WriteJointTree(out, root);
    }
    for (const JointRecord& joint : animation.joints) {
        out.Floats(joint.inverseBindPose);
        out.Floats(joint.extra);
    }
}

void WriteModel(ByteWriter& out, const ModelFileData& model) {
    for (const std::uint8_t byte : model.header) {
        out.Uint8(byte);
    }
    out.Uint8(model.animated ? 1 : 0);
    out.Count(model.VertexCount());
    if (model.animated) {
        for (const VertexAnimated& v : model.animatedVertices) {
            WriteVertexFields(out, v);
            for (const float weight : v.weights) {
                out.Float(weight);
            }
            for (const std::uint8_t index : v.boneIndices) {
                out.Uint8(index);
            }
        }
    } else {
        for (const Vertex& v : model.vertices) {
            WriteVertexFields(out, v);
        }
    }
    WriteTexture(out, model.diffuse);
    WriteTexture(out, model.normalMap);
    out.Count(model.animations.size());
    for (const ModelAnimation& animation : model.animations) {
        WriteAnimation(out, animation);
    }
    out.Count(model.boxes.size());
    for (const CollisionBox& box : model.boxes) {
        out.Floats(box.center);
        out.Floats(box.halfSizes);
    }
    out.Count(model.points.size());
    for (const Float4& point : model.points) {
        out.Floats(point);
    }
    out.Count(model.spheres.size());
    for (const CollisionSphere& sphere : model.spheres) {
        out.Floats(sphere.center);
        out.Float(sphere.radius);
    }
}

}  // namespace

bool WriteModelFile(const ModelFileData& model, std::vector<std::uint8_t>& bytes, std::string& error) {
    bytes.clear();
    if (!ModelChecker(error).Check(model)) {
        return false;
    }
    ByteWriter out(bytes);
    WriteModel(out, model);
    return true;
}

bool SaveModelFile(const std::string& path, const ModelFileData& model, std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!WriteModelFile(model, bytes, error)) {
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) {
        error = "cannot open " + path + " for writing";
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
        std::fflush(file.get()) != 0) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
