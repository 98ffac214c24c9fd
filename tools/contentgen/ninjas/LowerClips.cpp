#include "ninjas/LowerClips.h"

#include <algorithm>
#include <cmath>

#include "ninjas/ClipCurves.h"

namespace {

constexpr float kPi = 3.14159265359f;

// A leg in degrees: thigh pitch (forwards positive), knee bend (negative bends the shin back), foot pitch
// (toes up positive), and the thigh's roll (towards +x positive) and yaw.
struct Leg {
    float thigh = 0.0f;
    float knee = 0.0f;
    float foot = 0.0f;
    float roll = 0.0f;
    float yaw = 0.0f;
};

void SetLeg(const NinjaRig& rig, Pose& pose, bool right, const Leg& leg) {
    const auto at = [](int joint) { return static_cast<std::size_t>(joint); };
    pose.rotations[at(right ? rig.hipR : rig.hipL)] = Degrees(leg.thigh, leg.yaw, leg.roll);
    pose.rotations[at(right ? rig.kneeR : rig.kneeL)] = Degrees(leg.knee);
    pose.rotations[at(right ? rig.footR : rig.footL)] = Degrees(leg.foot);
}

// The foot turns back against thigh and knee by the given share, so that the sole stays near level.
float LevelFoot(float thigh, float knee, float share) {
    return -(thigh + knee) * share;
}

// A running stride at leg phase: the thigh swings forwards and back, the knee folds while the leg swings
// forwards (cos > 0) and stays nearly straight while the foot is planted.
Leg Stride(float phase, float reach) {
    Leg leg;
    leg.thigh = reach * Cycle(phase) + 6.0f;
    const float swing = std::max(0.0f, std::cos(2.0f * kPi * phase));
    leg.knee = -(10.0f + 75.0f * swing * swing);
    leg.foot = LevelFoot(leg.thigh, leg.knee, 0.7f);
    return leg;
}

void RunPose(const NinjaRig& rig, Pose& pose, float t, float lean) {
    SetLeg(rig, pose, true, Stride(t, 34.0f));
    SetLeg(rig, pose, false, Stride(t + 0.5f, 34.0f));
    // The pelvis turns with the leg that reaches forwards and rocks a little.
    pose.rotations[static_cast<std::size_t>(rig.hip)] = Degrees(lean, -8.0f * Cycle(t), 3.0f * Cycle(t));
    PlantFeet(rig, pose, 0.05f * std::max(0.0f, Cycle(2.0f * t + 0.1f)));
}

void SidePose(const NinjaRig& rig, Pose& pose, float t, float side) {
    // side +1 steps towards +x (the left), -1 towards -x. The leading leg reaches out, the trailing leg
    // closes up half a cycle later; the legs never cross.
    const bool leftLeads = side > 0.0f;
    const float leadOut = std::max(0.0f, Cycle(t));
    const float trailIn = std::max(0.0f, Cycle(t + 0.5f));
    Leg lead;
    lead.roll = side * 24.0f * leadOut;
    lead.thigh = 8.0f + 18.0f * leadOut;
    lead.knee = -(12.0f + 35.0f * leadOut);
    lead.foot = LevelFoot(lead.thigh, lead.knee, 0.7f);
    Leg trail;
    trail.roll = -side * 12.0f * trailIn;
    trail.thigh = 8.0f + 18.0f * trailIn;
    trail.knee = -(12.0f + 35.0f * trailIn);
    trail.foot = LevelFoot(trail.thigh, trail.knee, 0.7f);
    SetLeg(rig, pose, !leftLeads, lead);
    SetLeg(rig, pose, leftLeads, trail);
    pose.rotations[static_cast<std::size_t>(rig.hip)] =
        Degrees(-4.0f, 0.0f, -side * 4.0f * (0.5f + 0.5f * Cycle(2.0f * t)));
    PlantFeet(rig, pose);
}

}  // namespace

void PlantFeet(const NinjaRig& rig, Pose& pose, float lift) {
    const std::vector<JointTransform> solved = SolvePose(rig.skeleton, pose);
    const float sole = rig.skeleton.BindPosition(rig.footR).y;
    const glm::vec3 soles[2] = {{0.0f, -sole, 0.08f}, {0.0f, -sole, -0.17f}};
    float lowest = 1e9f;
    for (const int foot : {rig.footR, rig.footL}) {
        const JointTransform& t = solved[static_cast<std::size_t>(foot)];
        for (const glm::vec3& s : soles) {
            lowest = std::min(lowest, (t.position + t.rotation * s).y);
        }
    }
    pose.offsets[static_cast<std::size_t>(rig.hip)].y += lift - lowest;
}

ModelAnimation RunForwardClip(const NinjaRig& rig) {
    return MakeAnimation("RunF", rig.skeleton, SampleLoop(rig.skeleton, kRunFrames, [&](float t, Pose& pose) {
                             RunPose(rig, pose, t, 8.0f);
                         }));
}

ModelAnimation RunBackwardClip(const NinjaRig& rig) {
    // The forward stride played in reverse: the feet reach back and pull the body along.
    return MakeAnimation("RunB", rig.skeleton, SampleLoop(rig.skeleton, kRunFrames, [&](float t, Pose& pose) {
                             RunPose(rig, pose, 1.0f - t, -3.0f);
                         }));
}

ModelAnimation RunLeftClip(const NinjaRig& rig) {
    return MakeAnimation("RunL", rig.skeleton, SampleLoop(rig.skeleton, kRunFrames, [&](float t, Pose& pose) {
                             SidePose(rig, pose, t, 1.0f);
                         }));
}

ModelAnimation RunRightClip(const NinjaRig& rig) {
    return MakeAnimation("RunR", rig.skeleton, SampleLoop(rig.skeleton, kRunFrames, [&](float t, Pose& pose) {
                             SidePose(rig, pose, t, -1.0f);
                         }));
}

ModelAnimation IdleLowerClip(const NinjaRig& rig) {
    // A ready stance, feet apart and knees soft, sinking a little with each breath.
    return MakeAnimation("IdleL", rig.skeleton, SampleLoop(rig.skeleton, 40, [&](float t, Pose& pose) {
                             const float breath = 0.5f + 0.5f * Cycle(t);
                             for (const bool right : {true, false}) {
                                 Leg leg;
                                 leg.thigh = 12.0f + 3.0f * breath;
                                 leg.knee = -(20.0f + 6.0f * breath);
                                 leg.roll = right ? -6.0f : 6.0f;
                                 leg.yaw = right ? 8.0f : -8.0f;
                                 leg.foot = LevelFoot(leg.thigh, leg.knee, 1.0f);
                                 SetLeg(rig, pose, right, leg);
                             }
                             pose.rotations[static_cast<std::size_t>(rig.hip)] =
                                 Degrees(-4.0f, 2.0f * Cycle(t), 0.0f);
                             PlantFeet(rig, pose);
                         }));
}

ModelAnimation DeadLowerClip(const NinjaRig& rig) {
    // The knees give way, then the body topples backwards and comes to rest on its back.
    return MakeAnimation(
        "DeadL", rig.skeleton, SampleOnce(rig.skeleton, 20, [&](float t, Pose& pose) {
            const float buckle = std::sin(kPi * std::min(1.0f, t * 1.4f));
            const float fall = SmoothStep01(std::pow(t, 1.4f));
            for (const bool right : {true, false}) {
                Leg leg;
                leg.thigh = 45.0f * buckle - 5.0f * fall;
                leg.knee = -(70.0f * buckle + 10.0f * fall);
                leg.roll = (right ? -1.0f : 1.0f) * 10.0f * fall;
                leg.foot = 20.0f * fall;
                SetLeg(rig, pose, right, leg);
            }
            pose.rotations[static_cast<std::size_t>(rig.hip)] = Degrees(85.0f * fall, 0.0f, 6.0f * fall);
            Pose standing = pose;
            standing.rotations[static_cast<std::size_t>(rig.hip)] = glm::quat(1, 0, 0, 0);
            PlantFeet(rig, standing);
            const float standingHeight = standing.offsets[static_cast<std::size_t>(rig.hip)].y;
            // Lying on the back, the pelvis rests a body's thickness above the ground.
            pose.offsets[static_cast<std::size_t>(rig.hip)] =
                glm::vec3(0.0f, standingHeight + (0.14f - standingHeight) * fall, 0.45f * fall);
        }));
}

ModelAnimation TurnClip(const NinjaRig& rig) {
    return MakeAnimation("Turn", rig.skeleton, SampleLoop(rig.skeleton, 12, [&](float t, Pose& pose) {
                             for (const bool right : {true, false}) {
                                 const float lift = std::max(0.0f, Cycle(right ? t : t + 0.5f));
                                 Leg leg;
                                 leg.thigh = 10.0f + 25.0f * lift;
                                 leg.knee = -(15.0f + 45.0f * lift);
                                 leg.roll = right ? -5.0f : 5.0f;
                                 leg.foot = LevelFoot(leg.thigh, leg.knee, 0.8f);
                                 SetLeg(rig, pose, right, leg);
                             }
                             pose.rotations[static_cast<std::size_t>(rig.hip)] =
                                 Degrees(-3.0f, 6.0f * Cycle(t), 0.0f);
                             PlantFeet(rig, pose);
                         }));
}
