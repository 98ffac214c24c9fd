#include "ninjas/NinjaRig.h"

#include <algorithm>
#include <string>

bool NinjaRig::IsLegJoint(int joint) const {
    return joint == hipR || joint == kneeR || joint == footR || joint == hipL || joint == kneeL ||
           joint == footL;
}

bool NinjaRig::IsArmJoint(int joint) const {
    return joint == shoulderR || joint == elbowR || joint == handR || joint == shoulderL || joint == elbowL ||
           joint == handL;
}

bool NinjaRig::IsChainJoint(int joint) const {
    return std::find(chain.begin(), chain.end(), joint) != chain.end();
}

NinjaRig BuildNinjaRig(const NinjaProportions& p) {
    NinjaRig rig;
    rig.proportions = p;
    Skeleton& s = rig.skeleton;
    const float abdomen = p.spineLength * 0.3f;
    const float chest = p.spineLength * 0.7f;
    rig.hip = s.Add("Hip", -1, {0.0f, p.hipHeight, 0.0f});
    rig.spine = s.Add("SpineIK", rig.hip, {0.0f, abdomen, 0.0f});
    rig.chest = s.Add("Chest", rig.spine, {0.0f, chest, 0.0f});
    rig.neck = s.Add("Neck", rig.chest, {0.0f, 0.22f, 0.0f});
    rig.head = s.Add("Head", rig.neck, {0.0f, 0.1f, 0.0f});
    // The shoulders sit a little below the neck joint.
    rig.shoulderR = s.Add("ShoulderR", rig.chest, {-p.shoulderHalfWidth, 0.17f, 0.0f});
    rig.elbowR = s.Add("ElbowR", rig.shoulderR, {0.0f, -p.upperArm, 0.0f});
    rig.handR = s.Add("HandR", rig.elbowR, {0.0f, -p.forearm, 0.0f});
    rig.trail = s.Add("trailJoint", rig.handR, p.weaponTip);
    rig.shoulderL = s.Add("ShoulderL", rig.chest, {p.shoulderHalfWidth, 0.17f, 0.0f});
    rig.elbowL = s.Add("ElbowL", rig.shoulderL, {0.0f, -p.upperArm, 0.0f});
    rig.handL = s.Add("HandL", rig.elbowL, {0.0f, -p.forearm, 0.0f});
    // The whip: one unbranched chain from the left hand, Surujin9 first and Surujin10 at its tip.
    int parent = rig.handL;
    for (int i = 0; i < p.chainLinks; ++i) {
        const std::string name = i == 0                  ? "Surujin9"
                                 : i == p.chainLinks - 1 ? "Surujin10"
                                                         : "Surujin" + std::to_string(i);
        const glm::vec3 offset = i == 0 ? glm::vec3(0.0f, -0.08f, 0.0f) : glm::vec3(0.0f, -p.chainLink, 0.0f);
        parent = s.Add(name, parent, offset);
        rig.chain.push_back(parent);
    }
    const float hipDrop = 0.05f;
    rig.hipR = s.Add("HipR", rig.hip, {-p.hipHalfWidth, -hipDrop, 0.0f});
    rig.kneeR = s.Add("KneeR", rig.hipR, {0.0f, -p.thigh, 0.0f});
    rig.footR = s.Add("FootR", rig.kneeR, {0.0f, -p.shin, 0.0f});
    rig.hipL = s.Add("HipL", rig.hip, {p.hipHalfWidth, -hipDrop, 0.0f});
    rig.kneeL = s.Add("KneeL", rig.hipL, {0.0f, -p.thigh, 0.0f});
    rig.footL = s.Add("FootL", rig.kneeL, {0.0f, -p.shin, 0.0f});
    return rig;
}
