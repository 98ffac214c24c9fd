// Animation data that does not fit the skeleton: clips without a stored frame, a ninja model without one of
// its slot names, a prop with fewer than two animations, trees that differ between the layers, and clips
// with more or fewer joints than the skeleton. None reads past a list (the sanitizers watch), and what is
// shown is the bind pose or the joints that are there.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "client/world/AnimationClips.h"
#include "client/world/AnimationState.h"
#include "client/world/tests/SkeletonFixture.h"

namespace {

bool AllIdentity(std::span<const glm::mat4> matrices) {
    for (const glm::mat4& m : matrices) {
        if (m != glm::mat4(1.0f)) {
            return false;
        }
    }
    return true;
}

// Root -> Arm -> Tip, with Arm turned a quarter about y in the posed clip.
TestSkeleton Chain() {
    TestSkeleton s;
    const int root = s.Add("Root", -1, {0.0f, 0.0f, 0.0f});
    const int arm = s.Add("Arm", root, {0.0f, 1.0f, 0.0f});
    s.Add("Tip", arm, {0.0f, 0.0f, -1.0f});
    return s;
}

ModelAnimation Posed(const TestSkeleton& s, const std::string& name) {
    return s.Still(name, {{{"Arm", Turn(90.0f, {0, 1, 0})}}, {}});
}

ModelAnimation WithoutFrames(const TestSkeleton& s, const std::string& name, int frameCount) {
    ModelAnimation clip = s.Clip(name, {});
    clip.frameCount = frameCount;
    return clip;
}

TEST(AnimationDataFitTest, APropLayerWithoutAStoredFrameShowsTheBindPose) {
    const TestSkeleton s = Chain();
    struct Case {
        const char* name;
        ModelAnimation lower;
        ModelAnimation upper;
    };
    const Case cases[] = {
        {"upper F = 1", Posed(s, "a"), WithoutFrames(s, "b", 1)},
        {"lower F = 0", WithoutFrames(s, "a", 0), Posed(s, "b")},
        {"both F = 1", WithoutFrames(s, "a", 1), WithoutFrames(s, "b", 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnimationState state = MakeProp({c.lower, c.upper});
        Settle(state);
        EXPECT_EQ(state.GetJointMatrices().size(), 3u);
        EXPECT_TRUE(AllIdentity(state.GetJointMatrices()));
    }
}

TEST(AnimationDataFitTest, APropWithFewerThanTwoAnimationsShowsTheBindPose) {
    const TestSkeleton s = Chain();
    AnimationState one = MakeProp({Posed(s, "only")});
    Settle(one);
    EXPECT_EQ(one.GetJointMatrices().size(), 3u);
    EXPECT_TRUE(AllIdentity(one.GetJointMatrices()));

    AnimationState none;
    none.BindLevelClips();
    EXPECT_TRUE(none.Advance(kStep).empty());
}

TEST(AnimationDataFitTest, ANinjaModelWithoutASlotNameShowsTheBindPoseWhileThatClipWouldPlay) {
    const TestSkeleton skeleton = SmallNinja();
    const Pose armsUp{{{"ShoulderR", Turn(90.0f, {0, 0, 1})}}, {}};
    std::vector<ModelAnimation> clips = NinjaClips(skeleton, {skeleton.Still("IdleA", armsUp)});
    for (ModelAnimation& clip : clips) {
        if (clip.name == "Melee") {
            clip.name = "Swing";
        }
    }
    AnimationState state = MakeNinja(clips);
    Settle(state);
    EXPECT_FALSE(AllIdentity(state.GetJointMatrices()));

    state.PlayAction(AnimationAction::kMelee);
    EXPECT_TRUE(state.GetUpperClip().frames.empty());
    state.Advance(kStep);
    EXPECT_TRUE(AllIdentity(state.GetJointMatrices()));
    EXPECT_EQ(state.GetAction(), AnimationAction::kNone);  // the missing clip ends at once

    state.ChooseLegClips(glm::vec3(0.0f), kStep);
    EXPECT_EQ(state.GetUpperClip().name, "IdleA");
    Settle(state);
    EXPECT_FALSE(AllIdentity(state.GetJointMatrices()));
}

// The upper tree has a joint "Extra" (turned a quarter about y, with "Tip" at (0, 0, -1) from it) that the
// lower tree lacks; the lower tree has a child "Stray" under Root that the upper tree lacks. The lower clip
// carries the upper shape's joint records, so the skeleton has the upper shape's four joints.
TEST(AnimationDataFitTest, AJointTheLowerTreeLacksTakesOnlyItsUpperRotation) {
    TestSkeleton upperShape;
    const int root = upperShape.Add("Root", -1, {0.0f, 0.0f, 0.0f});
    const int arm = upperShape.Add("Arm", root, {0.0f, 1.0f, 0.0f});
    const int extra = upperShape.Add("Extra", arm, {0.0f, 1.0f, 0.0f});
    upperShape.Add("Tip", extra, {0.0f, 0.0f, -1.0f});
    TestSkeleton lowerShape;
    const int lowerRoot = lowerShape.Add("Root", -1, {0.0f, 0.0f, 0.0f});
    lowerShape.Add("Arm", lowerRoot, {0.0f, 1.0f, 0.0f});
    lowerShape.Add("Stray", lowerRoot, {5.0f, 0.0f, 0.0f});

    ModelAnimation lower = lowerShape.Still("lower", {{{"Stray", Turn(45.0f, {1, 0, 0})}}, {}});
    const ModelAnimation upper = upperShape.Still("upper", {{{"Extra", Turn(90.0f, {0, 1, 0})}}, {}});
    lower.joints = upper.joints;
    lower.jointCount = upper.jointCount;
    AnimationState state = MakeProp({lower, upper});
    ASSERT_EQ(state.GetJointMatrices().size(), 4u);
    Settle(state);
    EXPECT_TRUE(Near(JointPosition(state, upperShape, "Extra"), {0.0f, 2.0f, 0.0f}));
    EXPECT_TRUE(Near(JointPosition(state, upperShape, "Tip") - JointPosition(state, upperShape, "Extra"),
                     {-1.0f, 0.0f, 0.0f}));
}

TEST(AnimationDataFitTest, JointsBeyondTheSkeletonAreWalkedWithoutAMatrix) {
    // The first animation (the skeleton) has Root and Arm; the upper clip adds a light at the arm's end.
    TestSkeleton shortShape;
    shortShape.Add("Root", -1, {0.0f, 0.0f, 0.0f});
    shortShape.Add("Arm", 0, {0.0f, 1.0f, 0.0f});
    TestSkeleton longShape = shortShape;
    longShape.Add("lightEmitter", 1, {0.0f, 0.0f, -1.0f});

    AnimationState state = MakeProp({shortShape.Still("lower"), longShape.Still("upper")});
    Settle(state);
    EXPECT_EQ(state.GetJointMatrices().size(), 2u);
    EXPECT_TRUE(AllIdentity(state.GetJointMatrices()));
    EXPECT_TRUE(state.HasLight());
    EXPECT_TRUE(Near(state.GetLightPosition(), {0.0f, 1.0f, -1.0f}));
}

TEST(AnimationDataFitTest, SkeletonJointsNoClipReachesKeepTheIdentityMatrix) {
    // Three joint records, but both clips only ever hold Root and Arm.
    TestSkeleton shape;
    shape.Add("Root", -1, {0.0f, 0.0f, 0.0f});
    shape.Add("Arm", 0, {0.0f, 1.0f, 0.0f});
    TestSkeleton records = shape;
    records.Add("Tip", 1, {0.0f, 0.0f, -1.0f});
    ModelAnimation lower = shape.Still("lower", {{{"Root", Turn(90.0f, {0, 1, 0})}}, {}});
    lower.joints = records.Still("x").joints;
    lower.jointCount = records.Count();
    AnimationState state = MakeProp({lower, shape.Still("upper")});
    Settle(state);
    const std::span<const glm::mat4> matrices = state.GetJointMatrices();
    ASSERT_EQ(matrices.size(), 3u);
    EXPECT_NE(matrices[0], glm::mat4(1.0f));
    EXPECT_EQ(matrices[2], glm::mat4(1.0f));
}

}  // namespace
