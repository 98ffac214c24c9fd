// Actions on a ninja: which clip each action number plays, a swing over running legs, death and revival,
// and the chain weapon and trail joint each action shows.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "client/world/AnimationClips.h"
#include "client/world/AnimationState.h"
#include "client/world/tests/SkeletonFixture.h"

namespace {

const glm::vec3 kForwardWalk(0.0f, 0.0f, -1.0f);

TEST(AnimationActionTest, EachActionNumberStartsItsClipAndADeadNinjaOnlyShowsIdleArms) {
    struct Case {
        int action;
        bool dead;
        const char* upperClip;
        int actionAfter;
        bool playing;
    };
    const Case cases[] = {
        {AnimationAction::kMelee, false, "Melee", 0, true},
        {AnimationAction::kRange, false, "Range", 1, true},
        {AnimationAction::kSpecial1, false, "Spec1", 2, true},
        {AnimationAction::kSpecial2, false, "Spec2", 3, true},
        {AnimationAction::kTool, false, "Tool", 4, true},
        // No clip of its own: the running upper clip starts over as that action.
        {AnimationAction::kNone, false, "RunA", 5, true},
        {42, false, "RunA", 42, true},
        {AnimationAction::kMelee, true, "IdleA", 5, false},
        {AnimationAction::kNone, true, "IdleA", 5, false},
    };
    const TestSkeleton skeleton = SmallNinja();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.action) + (c.dead ? " dead" : " alive"));
        AnimationState state = MakeNinja(NinjaClips(skeleton));
        state.ChooseLegClips(kForwardWalk, kStep);
        if (c.dead) {
            state.PlayAction(AnimationAction::kDeath);
            Settle(state);
        }
        state.Advance(kStep);
        state.PlayAction(c.action);
        EXPECT_EQ(state.GetUpperClip().name, c.upperClip);
        EXPECT_EQ(state.GetAction(), c.actionAfter);
        EXPECT_EQ(state.IsActionPlaying(), c.playing);
        EXPECT_EQ(state.IsAlive(), !c.dead);
    }
}

TEST(AnimationActionTest, ASwingWhileRunningKeepsTheLegsRunningAndHandsTheArmsBackWhenItEnds) {
    const TestSkeleton skeleton = SmallNinja();
    // "Melee" stores 8 frames: it ends at the 13th step of 0.625 frames.
    AnimationState state = MakeNinja(NinjaClips(skeleton));
    state.ChooseLegClips(kForwardWalk, kStep);
    state.PlayAction(AnimationAction::kMelee);
    for (int frame = 0; frame < 12; ++frame) {
        state.ChooseLegClips(kForwardWalk, kStep);
        state.Advance(kStep);
        ASSERT_EQ(state.GetUpperClip().name, "Melee") << "frame " << frame;
        ASSERT_EQ(state.GetLowerClip().name, "RunF");
    }
    state.Advance(kStep);
    EXPECT_EQ(state.GetAction(), AnimationAction::kNone);
    EXPECT_FALSE(state.IsActionPlaying());
    state.ChooseLegClips(kForwardWalk, kStep);
    EXPECT_EQ(state.GetUpperClip().name, "RunA");
    EXPECT_EQ(state.GetLowerClip().name, "RunF");
}

// "DeadA" and "DeadL" store 4 frames; the chest turns 20 degrees more with each upper frame and the hips
// sink 0.1 lower with each lower frame.
TEST(AnimationActionTest, ADeadNinjaHoldsTheLastDeathFrameUntilRevived) {
    const TestSkeleton skeleton = SmallNinja();
    std::vector<Pose> upper;
    std::vector<Pose> lower;
    for (int f = 0; f < 4; ++f) {
        upper.push_back({{{"Chest", Turn(20.0f * static_cast<float>(f), {0, 1, 0})}}, {}});
        lower.push_back({{}, {{"Hip", {0.0f, 1.0f - 0.1f * static_cast<float>(f), 0.0f}}}});
    }
    AnimationState state =
        MakeNinja(NinjaClips(skeleton, {skeleton.Clip("DeadA", upper), skeleton.Clip("DeadL", lower)}));
    state.ChooseLegClips(kForwardWalk, kStep);
    Settle(state, 5);
    state.PlayAction(AnimationAction::kDeath);
    Settle(state, 10);  // 6.25 frames: the death clips ran out after 4
    EXPECT_TRUE(state.IsUpperFinished());
    const std::vector<glm::mat4> held(state.GetJointMatrices().begin(), state.GetJointMatrices().end());
    EXPECT_TRUE(Near(JointPosition(state, skeleton, "Hip"), {0.0f, 0.7f, 0.0f}));
    const glm::vec3 shoulder =
        JointPosition(state, skeleton, "ShoulderR") - JointPosition(state, skeleton, "Chest");
    EXPECT_TRUE(Near(shoulder, Turn(60.0f, {0, 1, 0}) * glm::vec3(-0.2f, 0.0f, 0.0f)));

    // Walking, acting and time change nothing while dead.
    state.ChooseLegClips(kForwardWalk, kStep);
    state.PlayAction(AnimationAction::kMelee);
    Settle(state, 20);
    EXPECT_EQ(state.GetLowerClip().name, "DeadL");
    const std::span<const glm::mat4> still = state.GetJointMatrices();
    EXPECT_TRUE(std::equal(still.begin(), still.end(), held.begin(), held.end()));

    state.PlayAction(AnimationAction::kRevival);
    EXPECT_TRUE(state.IsAlive());
    state.ChooseLegClips(kForwardWalk, kStep);
    EXPECT_EQ(state.GetUpperClip().name, "RunA");
    EXPECT_EQ(state.GetLowerClip().name, "RunF");
    Settle(state);
    EXPECT_TRUE(Near(JointPosition(state, skeleton, "Hip"), {0.0f, 1.0f, 0.0f}));
}

TEST(AnimationActionTest, TheChainShowsOnlyForActionsOneAndThreeAndTheTrailFollowsTheActionsJoint) {
    struct Case {
        int action;
        bool chainShown;
        const char* trailJoint;  // nullptr: no trail
    };
    const Case cases[] = {
        {AnimationAction::kMelee, false, "trailJoint"},    {AnimationAction::kRange, true, "Surujin10"},
        {AnimationAction::kSpecial1, false, "trailJoint"}, {AnimationAction::kSpecial2, true, "Surujin10"},
        {AnimationAction::kTool, false, nullptr},          {AnimationAction::kNone, false, nullptr},
    };
    const TestSkeleton skeleton = SmallNinja();
    std::vector<ModelAnimation> actions;
    for (const char* name : {"Melee", "Range", "Spec1", "Spec2", "Tool"}) {
        actions.push_back(skeleton.Clip(name, std::vector<Pose>(40, Pose{})));  // 2 s
    }
    glm::mat4 collapsed(0.0f);
    collapsed[3][3] = 1.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE("action " + std::to_string(c.action));
        AnimationState state = MakeNinja(NinjaClips(skeleton, actions));
        state.PlayAction(c.action);
        Settle(state, 3);
        ASSERT_EQ(state.GetAction(), c.action);
        for (const char* link : {"Surujin9", "Surujin1", "Surujin10"}) {
            const glm::mat4 matrix = state.GetJointMatrices()[static_cast<std::size_t>(skeleton.Find(link))];
            EXPECT_EQ(matrix == collapsed, !c.chainShown) << link;
        }
        // The chain ends at its tip: the chest's next child is drawn whatever the action.
        EXPECT_TRUE(
            Near(JointPosition(state, skeleton, "lightEmitter"), skeleton.BindPosition("lightEmitter")));
        EXPECT_TRUE(state.HasLight());
        EXPECT_TRUE(Near(state.GetLightPosition(), skeleton.BindPosition("lightEmitter")));
        EXPECT_EQ(state.IsTrailValid(), c.trailJoint != nullptr);
        if (c.trailJoint != nullptr) {
            EXPECT_TRUE(Near(state.GetTrailPosition(), skeleton.BindPosition(c.trailJoint)));
        }
    }
}

// The trail joint sits away from the origin; from the swing's first frame to its second it moves by delta.
TEST(AnimationActionTest, TheTrailHeadingIsTheDirectionTheTrailJointMovedIn) {
    struct Case {
        glm::vec3 delta;
        float heading;
    };
    const float pi = 3.14159265f;
    const Case cases[] = {
        {{0.2f, 0.0f, 0.0f}, 0.0f},        {{0.0f, 0.0f, 0.2f}, pi / 2.0f}, {{-0.2f, 0.1f, 0.0f}, pi},
        {{0.0f, 0.0f, -0.2f}, -pi / 2.0f}, {{0.1f, 0.0f, 0.1f}, pi / 4.0f},
    };
    const TestSkeleton skeleton = SmallNinja();
    const glm::vec3 tip(0.0f, 0.0f, -0.5f);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.heading));
        const Pose first{};
        const Pose second{{}, {{"trailJoint", tip + c.delta}}};
        AnimationState state =
            MakeNinja(NinjaClips(skeleton, {skeleton.Clip("Melee", {first, second, second})}));
        state.PlayAction(AnimationAction::kMelee);
        state.Advance(kStep);  // frame 0
        state.Advance(kStep);  // frame 1
        ASSERT_TRUE(state.IsTrailValid());
        EXPECT_TRUE(Near(state.GetTrailPosition(), skeleton.BindPosition("trailJoint") + c.delta));
        EXPECT_NEAR(state.GetTrailHeading(), c.heading, 1e-5f);
    }
}

}  // namespace
