#include "ninjas/UpperPoser.h"

#include <cmath>
#include <vector>

#include "ninjas/ClipCurves.h"

namespace {

glm::vec3 BlendDirection(const glm::vec3& a, const glm::vec3& b, float s) {
    const bool aZero = glm::length(a) < 1e-6f;
    const bool bZero = glm::length(b) < 1e-6f;
    if (aZero || bZero) {
        return s < 0.5f ? a : b;
    }
    return InterpolateDirection({{0.0f, a}, {1.0f, b}}, s);
}

ArmAim BlendArm(const ArmAim& a, const ArmAim& b, float s) {
    return ArmAim{BlendDirection(a.upper, b.upper, s), BlendDirection(a.fore, b.fore, s),
                  BlendDirection(a.weapon, b.weapon, s)};
}

std::size_t At(int joint) {
    return static_cast<std::size_t>(joint);
}

}  // namespace

UpperBody Blend(const UpperBody& a, const UpperBody& b, float s) {
    UpperBody out;
    out.spine = a.spine + (b.spine - a.spine) * s;
    out.chest = a.chest + (b.chest - a.chest) * s;
    out.head = a.head + (b.head - a.head) * s;
    out.right = BlendArm(a.right, b.right, s);
    out.left = BlendArm(a.left, b.left, s);
    return out;
}

glm::vec3 ChestToModel(const NinjaRig& rig, const Pose& pose, const glm::vec3& direction) {
    const std::vector<JointTransform> solved = SolvePose(rig.skeleton, pose);
    return solved[At(rig.chest)].rotation * direction;
}

void PoseUpperBody(const NinjaRig& rig, Pose& pose, const UpperBody& body) {
    pose.rotations[At(rig.spine)] = Degrees(body.spine);
    pose.rotations[At(rig.chest)] = Degrees(body.chest);
    pose.rotations[At(rig.neck)] = Degrees(body.head * 0.4f);
    pose.rotations[At(rig.head)] = Degrees(body.head * 0.6f);
    const Skeleton& s = rig.skeleton;
    const auto aimArm = [&](int shoulder, int elbow, int hand, int tip, const ArmAim& arm) {
        AimJoint(s, pose, shoulder, elbow, ChestToModel(rig, pose, arm.upper));
        AimJoint(s, pose, elbow, hand, ChestToModel(rig, pose, arm.fore));
        if (tip >= 0 && glm::length(arm.weapon) > 1e-6f) {
            AimJoint(s, pose, hand, tip, ChestToModel(rig, pose, arm.weapon));
        }
    };
    aimArm(rig.shoulderR, rig.elbowR, rig.handR, rig.trail, body.right);
    aimArm(rig.shoulderL, rig.elbowL, rig.handL, -1, body.left);
}

UpperBody InterpolateUpper(const std::vector<UpperKey>& keys, float t) {
    if (keys.empty()) {
        return UpperBody{};
    }
    if (t <= keys.front().time) {
        return keys.front().body;
    }
    for (std::size_t i = 1; i < keys.size(); ++i) {
        if (t <= keys[i].time) {
            const float span = keys[i].time - keys[i - 1].time;
            const float local = span > 0.0f ? (t - keys[i - 1].time) / span : 1.0f;
            return Blend(keys[i - 1].body, keys[i].body, SmoothStep01(local));
        }
    }
    return keys.back().body;
}
