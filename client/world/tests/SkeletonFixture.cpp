#include "client/world/tests/SkeletonFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <span>

#include "shared/ModelFileData.h"
#include "shared/ModelParser.h"
#include "shared/ModelWriter.h"

glm::quat Turn(float degrees, const glm::vec3& axis) {
    return glm::angleAxis(glm::radians(degrees), glm::normalize(axis));
}

int TestSkeleton::Add(const std::string& name, int parent, const glm::vec3& offset) {
    m_joints.push_back(Joint{name, parent, offset});
    return Count() - 1;
}

int TestSkeleton::Find(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_joints[static_cast<std::size_t>(i)].name == name) {
            return i;
        }
    }
    return -1;
}

glm::vec3 TestSkeleton::BindPosition(const std::string& name) const {
    glm::vec3 position(0.0f);
    for (int walk = Find(name); walk != -1; walk = m_joints[static_cast<std::size_t>(walk)].parent) {
        position += m_joints[static_cast<std::size_t>(walk)].offset;
    }
    return position;
}

void TestSkeleton::Build(int index, const Pose& pose, JointNode& node) const {
    const Joint& joint = m_joints[static_cast<std::size_t>(index)];
    const auto rotation = pose.rotations.find(joint.name);
    const glm::quat q =
        rotation == pose.rotations.end() ? glm::quat(1.0f, 0.0f, 0.0f, 0.0f) : rotation->second;
    const auto offset = pose.offsets.find(joint.name);
    const glm::vec3 t = offset == pose.offsets.end() ? joint.offset : offset->second;
    node.name = joint.name;
    node.translation = Float3{t.x, t.y, t.z};
    node.rotation = Float4{q.x, q.y, q.z, q.w};
    node.orientation = Float4{0.0f, 0.0f, 0.0f, 1.0f};
    for (int child = index + 1; child < Count(); ++child) {
        if (m_joints[static_cast<std::size_t>(child)].parent == index) {
            node.children.emplace_back();
            Build(child, pose, node.children.back());
        }
    }
}

JointNode TestSkeleton::Frame(const Pose& pose) const {
    JointNode root;
    if (Count() > 0) {
        Build(0, pose, root);
    }
    return root;
}

ModelAnimation TestSkeleton::Clip(const std::string& name, const std::vector<Pose>& frames) const {
    ModelAnimation animation;
    animation.name = name;
    animation.frameCount = static_cast<std::int32_t>(frames.size()) + 1;
    animation.jointCount = Count();
    for (const Pose& pose : frames) {
        animation.frames.push_back(Frame(pose));
    }
    // The inverse bind pose is a translation by minus the bind position, in the row-vector convention.
    for (const Joint& joint : m_joints) {
        const glm::vec3 p = BindPosition(joint.name);
        JointRecord record;
        for (int i = 0; i < 4; ++i) {
            record.inverseBindPose.m[i][i] = 1.0f;
            record.extra.m[i][i] = 1.0f;
        }
        record.inverseBindPose.m[3][0] = -p.x;
        record.inverseBindPose.m[3][1] = -p.y;
        record.inverseBindPose.m[3][2] = -p.z;
        animation.joints.push_back(record);
    }
    return animation;
}

ModelAnimation TestSkeleton::Still(const std::string& name, const Pose& pose) const {
    return Clip(name, std::vector<Pose>(8, pose));
}

TestSkeleton SmallNinja() {
    TestSkeleton s;
    const int hip = s.Add("Hip", -1, {0.0f, 1.0f, 0.0f});
    const int spine = s.Add("SpineIK", hip, {0.0f, 0.2f, 0.0f});
    const int chest = s.Add("Chest", spine, {0.0f, 0.3f, 0.0f});
    const int shoulderR = s.Add("ShoulderR", chest, {-0.2f, 0.0f, 0.0f});
    const int handR = s.Add("HandR", shoulderR, {-0.3f, 0.0f, 0.0f});
    s.Add("trailJoint", handR, {0.0f, 0.0f, -0.5f});
    const int shoulderL = s.Add("ShoulderL", chest, {0.2f, 0.0f, 0.0f});
    const int handL = s.Add("HandL", shoulderL, {0.3f, 0.0f, 0.0f});
    const int link9 = s.Add("Surujin9", handL, {0.0f, -0.1f, 0.0f});
    const int link1 = s.Add("Surujin1", link9, {0.0f, -0.3f, 0.0f});
    s.Add("Surujin10", link1, {0.0f, -0.3f, 0.0f});
    s.Add("lightEmitter", chest, {0.0f, 0.2f, 0.1f});
    const int kneeL = s.Add("KneeL", hip, {0.1f, -0.5f, 0.0f});
    s.Add("FootL", kneeL, {0.0f, -0.4f, 0.0f});
    return s;
}

std::vector<ModelAnimation> ThroughModelFile(const std::vector<ModelAnimation>& animations) {
    ModelFileData model;
    model.animated = true;
    model.animatedVertices.resize(3);
    model.animations = animations;
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(WriteModelFile(model, bytes, error)) << error;
    ModelFileData parsed;
    EXPECT_TRUE(ParseModelFile(std::span<const std::uint8_t>(bytes), parsed, error)) << error;
    return parsed.animations;
}

std::vector<ModelAnimation> NinjaClips(const TestSkeleton& skeleton,
                                       const std::vector<ModelAnimation>& replacements) {
    std::vector<ModelAnimation> clips;
    for (const std::string_view name : kClipSlotNames) {
        clips.push_back(skeleton.Still(std::string(name)));
        for (const ModelAnimation& replacement : replacements) {
            if (replacement.name == name) {
                clips.back() = replacement;
            }
        }
    }
    return clips;
}

AnimationState MakeNinja(const std::vector<ModelAnimation>& animations) {
    AnimationState state;
    for (const ModelAnimation& animation : ThroughModelFile(animations)) {
        state.AddAnimation(animation);
    }
    state.BindClips();
    state.SetFacing({0.0f, 0.0f, -1.0f});
    return state;
}

AnimationState MakeProp(const std::vector<ModelAnimation>& animations) {
    AnimationState state;
    for (const ModelAnimation& animation : ThroughModelFile(animations)) {
        state.AddAnimation(animation);
    }
    state.BindLevelClips();
    return state;
}

glm::vec3 JointPosition(const AnimationState& state, const TestSkeleton& skeleton, const std::string& name) {
    const int joint = skeleton.Find(name);
    const std::span<const glm::mat4> matrices = state.GetJointMatrices();
    if (joint < 0 || static_cast<std::size_t>(joint) >= matrices.size()) {
        ADD_FAILURE() << "no matrix for joint " << name;
        return glm::vec3(0.0f);
    }
    return glm::vec3(matrices[static_cast<std::size_t>(joint)] *
                     glm::vec4(skeleton.BindPosition(name), 1.0f));
}

void Settle(AnimationState& state, int steps) {
    for (int i = 0; i < steps; ++i) {
        state.Advance(kStep);
    }
}

::testing::AssertionResult Near(const glm::vec3& actual, const glm::vec3& expected, float tolerance) {
    for (int i = 0; i < 3; ++i) {
        if (!(std::abs(actual[i] - expected[i]) <= tolerance)) {
            return ::testing::AssertionFailure()
                   << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not within "
                   << tolerance << " of (" << expected.x << ", " << expected.y << ", " << expected.z << ")";
        }
    }
    return ::testing::AssertionSuccess();
}
