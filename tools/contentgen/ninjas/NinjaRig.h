// The ninja skeleton: the joints the game looks up by name, with body proportions that differ per ninja.
// Its rest pose faces -z with the arms hanging at the sides (the right side at -x) and the weapon held
// forward along -z; the whip chain, when there is one, hangs straight down from the left hand.
#pragma once

#include <vector>

#include "ninjas/Skeleton.h"

struct NinjaProportions {
    float hipHeight = 1.0f;    // the pelvis joint above the ground
    float spineLength = 0.4f;  // pelvis to the base of the neck
    float shoulderHalfWidth = 0.2f;
    float upperArm = 0.3f;
    float forearm = 0.27f;
    float thigh = 0.45f;
    float shin = 0.42f;
    float hipHalfWidth = 0.11f;
    glm::vec3 weaponTip{0.0f, -0.05f, -1.0f};  // trailJoint, from the right hand
    int chainLinks = 0;                        // 10 for the whip: Surujin9, Surujin1..8, Surujin10
    float chainLink = 0.7f;
};

struct NinjaRig {
    Skeleton skeleton;
    NinjaProportions proportions;
    int hip = -1, spine = -1, chest = -1, neck = -1, head = -1;
    int shoulderR = -1, elbowR = -1, handR = -1, trail = -1;
    int shoulderL = -1, elbowL = -1, handL = -1;
    int hipR = -1, kneeR = -1, footR = -1, hipL = -1, kneeL = -1, footL = -1;
    std::vector<int> chain;  // from Surujin9 to Surujin10

    bool IsLegJoint(int joint) const;
    bool IsArmJoint(int joint) const;
    bool IsChainJoint(int joint) const;
};

NinjaRig BuildNinjaRig(const NinjaProportions& proportions);
