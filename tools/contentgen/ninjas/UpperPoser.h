// Poses the upper body from a description in the torso's own frame: Euler turns of the spine, chest and
// head, and the directions of the upper arms, forearms and the weapon held in the right hand. Directions
// are given in the chest's frame (forward -z, up +y, the ninja's right -x), so an arm held forward stays
// forward when the chest turns.
#pragma once

#include <glm/glm.hpp>

#include "ninjas/NinjaRig.h"

struct ArmAim {
    glm::vec3 upper{0.0f, -1.0f, 0.0f};
    glm::vec3 fore{0.0f, -1.0f, 0.0f};
    glm::vec3 weapon{0.0f};  // the hand's direction to its tip joint; zero leaves the hand in line
};

struct UpperBody {
    glm::vec3 spine{0.0f};  // SpineIK, Euler degrees (pitch, yaw, roll)
    glm::vec3 chest{0.0f};
    glm::vec3 head{0.0f};
    ArmAim right;
    ArmAim left;
};

UpperBody Blend(const UpperBody& a, const UpperBody& b, float s);

// Applies the description; the pelvis and the legs are left as they are.
void PoseUpperBody(const NinjaRig& rig, Pose& pose, const UpperBody& body);

// A direction in the chest's frame of a pose, turned into model space.
glm::vec3 ChestToModel(const NinjaRig& rig, const Pose& pose, const glm::vec3& direction);

// Upper-body keys over normalised time, eased between neighbours.
struct UpperKey {
    float time;
    UpperBody body;
};
UpperBody InterpolateUpper(const std::vector<UpperKey>& keys, float t);
