// The skeleton tools the characters are built with: joint numbering, aiming, bind matrices and the frames
// written into the animations.
#include <gtest/gtest.h>

#include "check/LayeredPose.h"
#include "ninjas/ClipCurves.h"
#include "ninjas/LowerClips.h"
#include "ninjas/NinjaRig.h"
#include "ninjas/Skeleton.h"

TEST(Skeleton, JointsMustBeAddedInPreOrder) {
    Skeleton s;
    EXPECT_EQ(s.Add("Arm", 0, {}), -1) << "the first joint is the root";
    EXPECT_EQ(s.Add("Root", -1, {0, 1, 0}), 0);
    EXPECT_EQ(s.Add("Spine", 0, {0, 1, 0}), 1);
    EXPECT_EQ(s.Add("Head", 1, {0, 1, 0}), 2);
    EXPECT_EQ(s.Add("Arm", 1, {1, 0, 0}), 3) << "a parent on the path to the last joint";
    EXPECT_EQ(s.Add("Hand", 2, {1, 0, 0}), -1) << "Head's subtree is closed once Arm follows it";
    EXPECT_EQ(s.Add("Second root", -1, {}), -1);
    EXPECT_EQ(s.Count(), 4);
    EXPECT_EQ(s.Children(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(s.BindPosition(3), glm::vec3(1, 2, 0));
}

TEST(Skeleton, AimedBonesPointWhereAsked) {
    const NinjaRig rig = BuildNinjaRig(NinjaProportions{});
    const glm::vec3 directions[] = {{0, 0, -1}, {0, 1, 0.01f}, {-1, 0, 0}, {0.3f, -0.2f, 0.9f}, {0, -1, 0}};
    for (const glm::vec3& wanted : directions) {
        Pose pose = RestPose(rig.skeleton);
        pose.rotations[static_cast<std::size_t>(rig.chest)] = Degrees(-20.0f, 35.0f, 5.0f);
        AimJoint(rig.skeleton, pose, rig.shoulderR, rig.elbowR, wanted);
        AimJoint(rig.skeleton, pose, rig.elbowR, rig.handR, -wanted + glm::vec3(0.0f, 0.2f, 0.0f));
        const std::vector<JointTransform> solved = SolvePose(rig.skeleton, pose);
        const auto at = [&](int joint) { return solved[static_cast<std::size_t>(joint)].position; };
        EXPECT_LT(glm::length(glm::normalize(at(rig.elbowR) - at(rig.shoulderR)) - glm::normalize(wanted)),
                  1e-4f);
        EXPECT_LT(glm::length(glm::normalize(at(rig.handR) - at(rig.elbowR)) -
                              glm::normalize(-wanted + glm::vec3(0.0f, 0.2f, 0.0f))),
                  1e-4f);
        EXPECT_NEAR(glm::length(at(rig.elbowR) - at(rig.shoulderR)), rig.proportions.upperArm, 1e-5f);
    }
}

TEST(Skeleton, InverseBindMatricesUndoTheRestPose) {
    const NinjaRig rig = BuildNinjaRig(NinjaProportions{});
    const std::vector<JointRecord> records = JointRecords(rig.skeleton);
    ASSERT_EQ(static_cast<int>(records.size()), rig.skeleton.Count());
    const std::vector<EvaluatedJoint> bind = EvaluateBind(FrameTree(rig.skeleton, RestPose(rig.skeleton)));
    for (int j = 0; j < rig.skeleton.Count(); ++j) {
        const glm::vec3 p = bind[static_cast<std::size_t>(j)].position;
        EXPECT_LT(glm::length(TransformPoint(records[static_cast<std::size_t>(j)].inverseBindPose, p)), 1e-5f)
            << rig.skeleton.Joint(j).name;
    }
}

TEST(Skeleton, AnimationsStoreOneFrameFewerThanTheirCount) {
    const NinjaRig rig = BuildNinjaRig(NinjaProportions{});
    std::vector<Pose> frames(3, RestPose(rig.skeleton));
    // The same turn written as q and as -q: the stored frames keep one sign so blending goes the short way.
    frames[0].rotations[1] = Degrees(30.0f);
    frames[1].rotations[1] = -Degrees(40.0f);
    frames[2].rotations[1] = Degrees(50.0f);
    const ModelAnimation animation = MakeAnimation("Clip", rig.skeleton, frames);
    EXPECT_EQ(animation.frameCount, 4);
    EXPECT_EQ(animation.frames.size(), 3u);
    EXPECT_EQ(animation.jointCount, rig.skeleton.Count());
    for (std::size_t i = 1; i < animation.frames.size(); ++i) {
        const Float4 a = animation.frames[i - 1].children[0].rotation;
        const Float4 b = animation.frames[i].children[0].rotation;
        EXPECT_GT(a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w, 0.0f) << "frame " << i;
    }
}

TEST(Skeleton, PlantedFeetRestOnTheGround) {
    const NinjaRig rig = BuildNinjaRig(NinjaProportions{});
    for (const float lift : {0.0f, 0.05f}) {
        Pose pose = RestPose(rig.skeleton);
        pose.rotations[static_cast<std::size_t>(rig.hipR)] = Degrees(30.0f);
        pose.rotations[static_cast<std::size_t>(rig.kneeR)] = Degrees(-60.0f);
        pose.offsets[static_cast<std::size_t>(rig.hip)].y = 3.0f;
        PlantFeet(rig, pose, lift);
        const std::vector<JointTransform> solved = SolvePose(rig.skeleton, pose);
        // The straight left leg carries the body: its sole is the lowest point.
        const float ankle = solved[static_cast<std::size_t>(rig.footL)].position.y;
        EXPECT_NEAR(ankle - rig.skeleton.BindPosition(rig.footL).y, lift, 1e-5f);
    }
}
