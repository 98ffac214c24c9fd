#include "shared/ModelParser.h"

#include <limits>
#include <utility>

#include "shared/ModelReader.h"

namespace {

// Counts without a limit of their own are bounded only by the bytes left.
constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();

class ModelParser {
public:
    ModelParser(std::span<const std::uint8_t> bytes, std::string& error) : m_reader(bytes), m_error(error) {}

    bool Parse(ModelFileData& model) {
        if (!m_reader.Fits(1, kModelHeaderSize)) {
            return Ends("the header");
        }
        for (std::uint8_t& byte : model.header) {
            m_reader.ReadUint8(byte);
        }
        std::uint8_t animated = 0;
        if (!m_reader.ReadUint8(animated)) {
            return Ends("the animated flag");
        }
        model.animated = animated != 0;
        return ReadVertices(model) && ReadTexture("the diffuse texture", model.diffuse) &&
               ReadTexture("the normal map", model.normalMap) && ReadAnimations(model.animations) &&
               ReadBoxes(model.boxes) && ReadPoints(model.points) && ReadSpheres(model.spheres);
    }

private:
    bool Fail(std::size_t at, const std::string& what) {
        m_error = what + " (byte " + std::to_string(at) + ")";
        return false;
    }

    bool Ends(const std::string& section) { return Fail(m_reader.Offset(), "file ends inside " + section); }

    // A count that must lie in 0..max and whose records of recordSize bytes must fit in the file.
    bool ReadCount(const std::string& what, std::int32_t max, std::size_t recordSize, std::int32_t& count) {
        const std::size_t at = m_reader.Offset();
        if (!m_reader.ReadInt32(count)) {
            return Ends("the " + what + " count");
        }
        if (count < 0) {
            return Fail(at, what + " count " + std::to_string(count) + " is negative");
        }
        if (count > max) {
            return Fail(at, what + " count " + std::to_string(count) + " is above the limit of " +
                                std::to_string(max));
        }
        if (!m_reader.Fits(count, recordSize)) {
            return Fail(at, what + " count " + std::to_string(count) + " needs " +
                                std::to_string(static_cast<std::uint64_t>(count) * recordSize) + " bytes, " +
                                std::to_string(m_reader.Remaining()) + " left");
        }
        return true;
    }

    bool ReadVertices(ModelFileData& model) {
        std::int32_t count = 0;
        const std::size_t size = model.animated ? kModelAnimatedVertexSize : kModelVertexSize;
        if (!ReadCount("vertex", kNoLimit, size, count)) {
            return false;
        }
        // Every read below is covered by the size check of ReadCount.
        if (model.animated) {
            model.animatedVertices.resize(static_cast<std::size_t>(count));
            for (VertexAnimated& v : model.animatedVertices) {
                ReadVertexFields(v);
                for (float& weight : v.weights) {
                    m_reader.ReadFloat(weight);
                }
                for (std::uint8_t& index : v.boneIndices) {
                    m_reader.ReadUint8(index);
                }
            }
        } else {
            model.vertices.resize(static_cast<std::size_t>(count));
            for (Vertex& v : model.vertices) {
                ReadVertexFields(v);
            }
        }
        return true;
    }

    template <typename V>
    void ReadVertexFields(V& v) {
        m_reader.ReadFloat3(v.position);
        m_reader.ReadFloat(v.texcoord[0]);
        m_reader.ReadFloat(v.texcoord[1]);
        m_reader.ReadFloat3(v.normal);
        m_reader.ReadFloat3(v.tangent);
    }

    bool ReadTexture(const std::string& what, ModelTexture& texture) {
        const std::size_t at = m_reader.Offset();
        if (!m_reader.Fits(1, kModelTextureHeadSize)) {
            return Ends(what);
        }
        m_reader.ReadInt32(texture.width);
        m_reader.ReadInt32(texture.height);
        m_reader.ReadInt32(texture.bytesPerPixel);
        const std::int32_t w = texture.width;
        const std::int32_t h = texture.height;
        const std::int32_t c = texture.bytesPerPixel;
        // The product is below 1 when a factor is 0 or an odd number of factors are negative: no pixels.
        if (w == 0 || h == 0 || c == 0 || ((w < 0) != ((h < 0) != (c < 0)))) {
            return true;
        }
        const std::string size = std::to_string(w) + " x " + std::to_string(h) + " x " + std::to_string(c);
        if (w < 0 || h < 0 || c < 0) {
            return Fail(at, what + " size " + size + " has negative factors");
        }
        if (c != kModelTextureBytesPerPixel) {
            return Fail(at, what + " has " + std::to_string(c) + " bytes per pixel, not 4");
        }
        // w * h < 2^62, so neither product below can overflow.
        const std::uint64_t pixels = static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h);
        if (pixels > m_reader.Remaining() / kModelTextureBytesPerPixel) {
            return Fail(at, what + " size " + size + " needs " + std::to_string(pixels * 4) + " bytes, " +
                                std::to_string(m_reader.Remaining()) + " left");
        }
        m_reader.ReadBytes(static_cast<std::size_t>(pixels * 4), texture.pixels);
        return true;
    }

    bool ReadAnimations(std::vector<ModelAnimation>& animations) {
        std::int32_t count = 0;
        if (!ReadCount("animation", kNoLimit, kModelAnimationHeadSize, count)) {
            return false;
        }
        animations.resize(static_cast<std::size_t>(count));
        for (std::size_t i = 0; i < animations.size(); ++i) {
            m_context = "animation " + std::to_string(i);
            if (!ReadAnimation(animations[i])) {
                return false;
            }
        }
        return true;
    }

    bool ReadAnimation(ModelAnimation& animation) {
        const std::size_t at = m_reader.Offset();
        if (!m_reader.Fits(1, kModelAnimationHeadSize)) {
            return Ends(m_context);
        }
        if (!m_reader.ReadName(kModelNameSize, animation.name)) {
            return Fail(at, "name of " + m_context + " has no terminating zero");
        }
        m_reader.ReadInt32(animation.frameCount);
        m_reader.ReadInt32(animation.jointCount);
        m_context += " \"" + animation.name + "\"";
        if (animation.frameCount < 0) {
            return Fail(at,
                        m_context + ": frame count " + std::to_string(animation.frameCount) + " is negative");
        }
        if (animation.jointCount < 0 || animation.jointCount > kMaxModelJoints) {
            return Fail(at, m_context + ": joint count " + std::to_string(animation.jointCount) +
                                " is outside 0.." + std::to_string(kMaxModelJoints));
        }
        const std::int32_t frames = animation.frameCount > 1 ? animation.frameCount - 1 : 0;
        if (!m_reader.Fits(frames, kModelJointNodeSize)) {
            return Fail(at, m_context + ": " + std::to_string(frames) + " frames cannot fit in the " +
                                std::to_string(m_reader.Remaining()) + " bytes left");
        }
        animation.frames.resize(static_cast<std::size_t>(frames));
        for (std::size_t f = 0; f < animation.frames.size(); ++f) {
            std::int32_t budget = animation.jointCount;
            if (!ReadJointTree(animation.frames[f], budget, f)) {
                return false;
            }
        }
        if (!m_reader.Fits(animation.jointCount, kModelJointRecordSize)) {
            return Ends("the joint records of " + m_context);
        }
        animation.joints.resize(static_cast<std::size_t>(animation.jointCount));
        for (JointRecord& joint : animation.joints) {
            m_reader.ReadFloat4x4(joint.inverseBindPose);
            m_reader.ReadFloat4x4(joint.extra);
        }
        return true;
    }

    // Built only for messages.
    std::string Frame(std::size_t frame) const { return m_context + ", frame " + std::to_string(frame); }

    // Reads one node and its subtrees in pre-order. budget is the number of nodes the frame may still hold;
    // it falls with every node, so the recursion is at most kMaxModelJoints deep.
    bool ReadJointTree(JointNode& node, std::int32_t& budget, std::size_t frame) {
        const std::size_t at = m_reader.Offset();
        if (budget <= 0) {
            return Fail(at, Frame(frame) + " holds more joints than the joint count");
        }
        --budget;
        if (!m_reader.Fits(1, kModelJointNodeSize)) {
            return Ends(Frame(frame));
        }
        if (!m_reader.ReadName(kModelNameSize, node.name)) {
            return Fail(at, "a joint name in " + Frame(frame) + " has no terminating zero");
        }
        m_reader.ReadFloat3(node.translation);
        m_reader.ReadFloat4(node.rotation);
        m_reader.ReadFloat4(node.orientation);
        m_reader.Skip(kModelJointNodeReservedSize);
        std::int32_t children = 0;
        m_reader.ReadInt32(children);
        if (children < 0) {
            return Fail(at, "joint \"" + node.name + "\" in " + Frame(frame) + " has a negative child count");
        }
        if (children > budget) {
            return Fail(at, Frame(frame) + " holds more joints than the joint count");
        }
        node.children.resize(static_cast<std::size_t>(children));
        for (JointNode& child : node.children) {
            if (!ReadJointTree(child, budget, frame)) {
                return false;
            }
        }
        return true;
    }

    bool ReadBoxes(std::vector<CollisionBox>& boxes) {
        std::int32_t count = 0;
        if (!ReadCount("box", kMaxModelBoxes, kModelBoxSize, count)) {
            return false;
        }
        boxes.resize(static_cast<std::size_t>(count));
        for (CollisionBox& box : boxes) {
            Float3 center;
            Float3 halfSizes;
            m_reader.ReadFloat3(center);
            m_reader.ReadFloat3(halfSizes);
            box = MakeCollisionBox(center, halfSizes);
        }
        return true;
    }

    bool ReadPoints(std::vector<Float4>& points) {
        std::int32_t count = 0;
        if (!ReadCount("point", kMaxModelPoints, kModelPointSize, count)) {
            return false;
        }
        points.resize(static_cast<std::size_t>(count));
        for (Float4& point : points) {
            m_reader.ReadFloat4(point);
        }
        return true;
    }

    bool ReadSpheres(std::vector<CollisionSphere>& spheres) {
        std::int32_t count = 0;
        if (!ReadCount("sphere", kMaxModelSpheres, kModelSphereSize, count)) {
            return false;
        }
        spheres.resize(static_cast<std::size_t>(count));
        for (CollisionSphere& sphere : spheres) {
            m_reader.ReadFloat3(sphere.center);
            m_reader.ReadFloat(sphere.radius);
        }
        return true;
    }

    ModelReader m_reader;
    std::string& m_error;
    std::string m_context;  // the animation being read, for messages
};

}  // namespace

bool ParseModelFile(std::span<const std::uint8_t> bytes, ModelFileData& model, std::string& error) {
    ModelFileData parsed;
    if (!ModelParser(bytes, error).Parse(parsed)) {
        model = ModelFileData{};
        return false;
    }
    model = std::move(parsed);
    return true;
}
