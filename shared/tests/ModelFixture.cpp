#include "shared/tests/ModelFixture.h"

#include <bit>
#include <cmath>
#include <memory>

#include "shared/ModelParser.h"

ByteBuilder& ByteBuilder::Mark(const std::string& name) {
    m_marks[name] = m_bytes.size();
    return *this;
}

ByteBuilder& ByteBuilder::U8(std::uint8_t value) {
    m_bytes.push_back(value);
    return *this;
}

ByteBuilder& ByteBuilder::I32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        m_bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    return *this;
}

ByteBuilder& ByteBuilder::F32(float value) {
    return I32(std::bit_cast<std::int32_t>(value));
}

ByteBuilder& ByteBuilder::Name(const std::string& text) {
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return Zeros(kModelNameSize - text.size());
}

ByteBuilder& ByteBuilder::Zeros(std::size_t count) {
    m_bytes.insert(m_bytes.end(), count, 0);
    return *this;
}

namespace {

// Distinct values so that a field read from the wrong offset shows.
float Value(int i) {
    return static_cast<float>(i) + 0.25f;
}

JointNode Joint(const std::string& name, int seed, std::vector<JointNode> children = {}) {
    return JointNode{name,
                     {Value(seed), Value(seed + 1), Value(seed + 2)},
                     {Value(seed + 3), Value(seed + 4), Value(seed + 5), Value(seed + 6)},
                     {Value(seed + 7), Value(seed + 8), Value(seed + 9), Value(seed + 10)},
                     std::move(children)};
}

void AddJoint(ByteBuilder& b, const JointNode& node, const std::string& mark) {
    b.Mark(mark + ".name").Name(node.name);
    b.F32(node.translation.x).F32(node.translation.y).F32(node.translation.z);
    b.F32(node.rotation.x).F32(node.rotation.y).F32(node.rotation.z).F32(node.rotation.w);
    b.F32(node.orientation.x).F32(node.orientation.y).F32(node.orientation.z).F32(node.orientation.w);
    b.Zeros(36);
    b.Mark(mark + ".children").I32(static_cast<std::int32_t>(node.children.size()));
}

JointRecord Record(int seed) {
    JointRecord record;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            record.inverseBindPose.m[r][c] = Value(seed + r * 4 + c);
            record.extra.m[r][c] = -Value(seed + r * 4 + c);
        }
    }
    return record;
}

void AddRecords(ByteBuilder& b, const std::vector<JointRecord>& records) {
    for (const JointRecord& record : records) {
        for (const auto* matrix : {&record.inverseBindPose, &record.extra}) {
            for (const auto& row : matrix->m) {
                for (const float element : row) {
                    b.F32(element);
                }
            }
        }
    }
}

}  // namespace

ModelFixture MakeModelFixture() {
    ModelFileData m;
    for (std::size_t i = 0; i < m.header.size(); ++i) {
        m.header[i] = static_cast<std::uint8_t>(i + 1);
    }
    m.animated = true;
    m.animatedVertices = {
        {{1, 2, 3}, {0.5f, 0.75f}, {0, 1, 0}, {1, 0, 0}, {0.5f, 0.25f, 0.25f}, {0, 1, 2, 255}},
        {{-4, 5, -6}, {0.125f, 1}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {3, 0, 0, 0}},
    };
    m.diffuse = ModelTexture{2, 1, 4, {1, 2, 3, 4, 5, 6, 7, 8}};
    m.normalMap = ModelTexture{0, 0, 0, {}};

    ModelAnimation run;
    run.name = "Run";
    run.frameCount = 3;
    run.jointCount = 3;
    run.frames = {
        Joint("Hip", 10, {Joint("SpineIK", 30), Joint("HandR", 50)}),
        Joint("Hip", 70, {Joint("SpineIK", 90, {Joint("HandR", 110)})}),
    };
    run.joints = {Record(200), Record(300), Record(400)};
    ModelAnimation idle;
    idle.name = "Idle";
    idle.frameCount = 1;
    idle.jointCount = 3;
    idle.joints = {Record(500), Record(600), Record(700)};
    m.animations = {run, idle};

    m.boxes = {CollisionBox{{1, 2, 3}, {1, 3, 2}, std::sqrt(2.0f) * 3}};
    m.points = {Float4{9, 8, 7, 6}};
    m.spheres = {CollisionSphere{{-1, -2, -3}, 4.5f}};

    ByteBuilder b;
    for (const std::uint8_t byte : m.header) {
        b.U8(byte);
    }
    b.Mark("flag").U8(1);
    b.Mark("vertexCount").I32(2);
    for (const VertexAnimated& v : m.animatedVertices) {
        b.F32(v.position.x).F32(v.position.y).F32(v.position.z).F32(v.texcoord[0]).F32(v.texcoord[1]);
        b.F32(v.normal.x).F32(v.normal.y).F32(v.normal.z).F32(v.tangent.x).F32(v.tangent.y).F32(v.tangent.z);
        b.F32(v.weights[0]).F32(v.weights[1]).F32(v.weights[2]);
        for (const std::uint8_t index : v.boneIndices) {
            b.U8(index);
        }
    }
    b.Mark("diffuseWidth").I32(2).Mark("diffuseHeight").I32(1).Mark("diffuseBpp").I32(4);
    for (std::uint8_t pixel = 1; pixel <= 8; ++pixel) {
        b.U8(pixel);
    }
    b.Mark("normalMap").I32(0).I32(0).I32(0);
    b.Mark("animationCount").I32(2);

    b.Mark("run.name").Name("Run").Mark("run.frameCount").I32(3).Mark("run.jointCount").I32(3);
    AddJoint(b, run.frames[0], "run.frame0.root");
    AddJoint(b, run.frames[0].children[0], "run.frame0.child0");
    AddJoint(b, run.frames[0].children[1], "run.frame0.child1");
    AddJoint(b, run.frames[1], "run.frame1.root");
    AddJoint(b, run.frames[1].children[0], "run.frame1.child0");
    AddJoint(b, run.frames[1].children[0].children[0], "run.frame1.child00");
    AddRecords(b, run.joints);

    b.Mark("idle.name").Name("Idle").I32(1).I32(3);
    AddRecords(b, idle.joints);

    b.Mark("boxCount").I32(1).F32(1).F32(2).F32(3).F32(1).F32(3).F32(2);
    b.Mark("pointCount").I32(1).F32(9).F32(8).F32(7).F32(6);
    b.Mark("sphereCount").I32(1).F32(-1).F32(-2).F32(-3).F32(4.5f);
    b.Mark("end");

    return ModelFixture{m, b.Bytes(), b.Marks()};
}

bool ParseExactCopy(std::span<const std::uint8_t> bytes, ModelFileData& model, std::string& error) {
    const std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), block.get());
    return ParseModelFile(std::span<const std::uint8_t>(block.get(), bytes.size()), model, error);
}

void PatchInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}
