// The rules of the local player's own movement, apart from the player so that each can be checked alone: the
// walking direction from the keys, the speed (slower walking away from the aim, slower again in a sticky
// trap) and the dash the server starts.
#pragma once

#include <span>

#include <glm/vec3.hpp>

#include "client/world/PlayerInput.h"
#include "shared/CollisionShapes.h"

// Walking at more than this angle (radians) from the facing is walking backwards.
inline constexpr float kBackwardsAngle = 1.9625f;
inline constexpr float kBackwardsSpeedFactor = 0.85f;
inline constexpr float kStickyTrapSpeedFactor = 0.5f;
// A dash runs at this many times the current speed.
inline constexpr float kDashSpeedFactor = 8.0f;
// The radius of the sphere a player walks and dashes with.
inline constexpr float kPlayerSphereRadius = 0.5f;

// The unit vector (D - A, 0, W - S) of the walking keys held; (0, 0, 0) when none is held and when opposite
// keys cancel out (W with S, A with D), which is standing.
glm::vec3 WalkDirection(const PlayerInput& input);

// The base speed, times kBackwardsSpeedFactor when the walk is more than kBackwardsAngle away from the
// facing, times kStickyTrapSpeedFactor inside a sticky trap. Standing or a zero facing is never backwards.
float CurrentSpeed(float baseSpeed, const glm::vec3& facing, const glm::vec3& walk, bool inStickyTrap);

// Whether the player's sphere touches any of the traps' spheres.
bool TouchesAny(const CollisionSphere& player, std::span<const CollisionSphere> traps);

// A dash in progress: a unit direction on the ground plane and the distance still to go.
struct Dash {
    glm::vec3 direction{0.0f};
    float remaining = 0.0f;
    bool active = false;
};

// The dash from position to target along the ground plane. A target with no ground distance from the
// position (or not finite) gives an inactive dash: the dash is over as soon as it starts.
Dash StartDash(const glm::vec3& position, const glm::vec3& target);

// How far one frame of a dash goes at the current speed, and whether that ends it (the step reaches the
// end).
struct DashStep {
    float distance = 0.0f;
    bool ends = false;
};
DashStep NextDashStep(const Dash& dash, float currentSpeed, float frameTime);
