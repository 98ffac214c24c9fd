// The pose a state evaluates: skinning matrices against the bind pose, which clip drives which joint, the
// hips and the spine of a running ninja, and the frame clock.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "client/world/AnimationState.h"
#include "client/world/tests/SkeletonFixture.h"

namespace {

glm::vec3 TurnedAboutUp(float yaw, const glm::vec3& v) {
    return glm::angleAxis(yaw, glm::vec3(0.0f, 1.0f, 0.0f)) * v;
}

TEST(AnimationPoseTest, NinjaInItsBindPoseFacingForwardHasIdentityMatricesAndNoChain) {
    const TestSkeleton skeleton = SmallNinja();
    AnimationState state = MakeNinja(NinjaClips(skeleton));
    Settle(state);
    const std::span<const glm::mat4> matrices = state.GetJointMatrices();
    ASSERT_EQ(matrices.size(), static_cast<std::size_t>(skeleton.Count()));
    glm::mat4 collapsed(0.0f);
    collapsed[3][3] = 1.0f;
    for (int j = 0; j < skeleton.Count(); ++j) {
        const bool chain = j >= skeleton.Find("Surujin9") && j <= skeleton.Find("Surujin10");
        const glm::mat4 expected = chain ? collapsed : glm::mat4(1.0f);
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 4; ++r) {
                EXPECT_NEAR(matrices[static_cast<std::size_t>(j)][c][r], expected[c][r], 1e-5f)
                    << "joint " << j;
            }
        }
    }
}

// The upper clip turns X a quarter about x, the lower clip a quarter about z; where the tip at (0, 0, -1)
// from X ends up shows which rotations X took and in which order.
TEST(AnimationPoseTest, ArmsFollowOnlyTheUpperClipLegsOnlyTheLowerClipOtherJointsBoth) {
    const glm::vec3 upperOnly(0.0f, 1.0f, 0.0f);
    const glm::vec3 lowerOnly(0.0f, 0.0f, -1.0f);
    const glm::vec3 upperThenLower(-1.0f, 0.0f, 0.0f);
    struct Case {
        const char* joint;
        glm::vec3 tipFromJoint;
    };
    const Case cases[] = {
        {"HandR", upperOnly},      {"HandL", upperOnly},      {"ElbowR", upperOnly}, {"ElbowL", upperOnly},
        {"ShoulderR", upperOnly},  {"ShoulderL", upperOnly},  {"FootR", lowerOnly},  {"FootL", lowerOnly},
        {"HipR", lowerOnly},       {"HipL", lowerOnly},       {"KneeR", lowerOnly},  {"KneeL", lowerOnly},
        {"Chest", upperThenLower}, {"handR", upperThenLower},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.joint);
        TestSkeleton skeleton;
        const int root = skeleton.Add("Root", -1, {0.0f, 0.0f, 0.0f});
        const int joint = skeleton.Add(c.joint, root, {0.0f, 1.0f, 0.0f});
        skeleton.Add("Tip", joint, {0.0f, 0.0f, -1.0f});
        const ModelAnimation lower = skeleton.Still("lower", {{{c.joint, Turn(90.0f, {0, 0, 1})}}, {}});
        const ModelAnimation upper = skeleton.Still("upper", {{{c.joint, Turn(90.0f, {1, 0, 0})}}, {}});
        AnimationState state = MakeProp({lower, upper});
        Settle(state);
        EXPECT_TRUE(Near(JointPosition(state, skeleton, "Tip") - JointPosition(state, skeleton, c.joint),
                         c.tipFromJoint));
    }
}

TEST(AnimationPoseTest, RunningDiagonallyTurnsTheHipsAndCarriesThePelvisWhileTheChestKeepsFacing) {
    const TestSkeleton skeleton = SmallNinja();
    const glm::vec3 pelvis(0.3f, 0.9f, 0.0f);
    AnimationState state = MakeNinja(NinjaClips(skeleton, {skeleton.Still("RunF", {{}, {{"Hip", pelvis}}})}));
    // Facing -z and running forwards to the -x side: the hips turn an eighth towards -x.
    state.ChooseLegClips({-1.0f, 0.0f, -1.0f}, 1.0 / 60.0);
    Settle(state);
    EXPECT_EQ(state.GetUpperClip().name, "RunA");
    EXPECT_EQ(state.GetLowerClip().name, "RunF");
    const float yaw = state.GetLowerBodyYaw();
    EXPECT_NEAR(yaw, 0.785f, 1e-6f);
    EXPECT_TRUE(Near(JointPosition(state, skeleton, "Hip"), TurnedAboutUp(yaw, pelvis)));
    EXPECT_TRUE(Near(JointPosition(state, skeleton, "KneeL") - JointPosition(state, skeleton, "Hip"),
                     TurnedAboutUp(yaw, {0.1f, -0.5f, 0.0f})));
    EXPECT_TRUE(Near(JointPosition(state, skeleton, "ShoulderR") - JointPosition(state, skeleton, "Chest"),
                     {-0.2f, 0.0f, 0.0f}));
    EXPECT_TRUE(Near(JointPosition(state, skeleton, "trailJoint") - JointPosition(state, skeleton, "HandR"),
                     {0.0f, 0.0f, -0.5f}));
}

// The lower clip stores 4 frames (F = 5) and moves "Hip" to z = frame; the upper clip stores 2 frames
// (F = 3) and moves "Marker" to x = frame. Each step is 1.25 frames.
TEST(AnimationPoseTest, ClipsAdvanceTwentyFramesASecondAndStartOverAtTheirLastFrame) {
    TestSkeleton skeleton;
    const int hip = skeleton.Add("Hip", -1, {0.0f, 0.0f, 0.0f});
    skeleton.Add("Marker", hip, {0.0f, 1.0f, 0.0f});
    std::vector<Pose> lowerFrames;
    for (int f = 0; f < 4; ++f) {
        lowerFrames.push_back({{}, {{"Hip", {0.0f, 0.0f, static_cast<float>(f)}}}});
    }
    std::vector<Pose> upperFrames;
    for (int f = 0; f < 2; ++f) {
        upperFrames.push_back({{}, {{"Marker", {static_cast<float>(f), 1.0f, 0.0f}}}});
    }
    AnimationState state =
        MakeProp({skeleton.Clip("lower", lowerFrames), skeleton.Clip("upper", upperFrames)});
    struct Step {
        float upperFrame;
        float lowerFrame;
        bool upperFinished;
    };
    const Step steps[] = {{1, 1, false}, {0, 2, true}, {1, 3, true}, {0, 0, true}, {1, 1, true}};
    for (std::size_t s = 0; s < std::size(steps); ++s) {
        SCOPED_TRACE("step " + std::to_string(s + 1));
        state.Advance(0.0625);
        const glm::vec3 hipAt = JointPosition(state, skeleton, "Hip");
        EXPECT_TRUE(Near(hipAt, {0.0f, 0.0f, steps[s].lowerFrame}));
        EXPECT_TRUE(
            Near(JointPosition(state, skeleton, "Marker") - hipAt, {steps[s].upperFrame, 1.0f, 0.0f}));
        EXPECT_EQ(state.IsUpperFinished(), steps[s].upperFinished);
    }
}

}  // namespace
