#include "client/world/PlayerMovement.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

namespace {

float Axis(const KeyInput& positive, const KeyInput& negative) {
    return (positive.down ? 1.0f : 0.0f) - (negative.down ? 1.0f : 0.0f);
}

}  // namespace

glm::vec3 WalkDirection(const PlayerInput& input) {
    const glm::vec3 walk(Axis(input.d, input.a), 0.0f, Axis(input.w, input.s));
    if (walk.x == 0.0f && walk.z == 0.0f) {
        return glm::vec3(0.0f);
    }
    return glm::normalize(walk);
}

float CurrentSpeed(float baseSpeed, const glm::vec3& facing, const glm::vec3& walk, bool inStickyTrap) {
    float speed = baseSpeed;
    const float facingLength = glm::length(facing);
    const float walkLength = glm::length(walk);
    if (facingLength > 0.0f && walkLength > 0.0f && std::isfinite(facingLength)) {
        const float cosine = std::clamp(glm::dot(facing, walk) / (facingLength * walkLength), -1.0f, 1.0f);
        if (std::acos(cosine) > kBackwardsAngle) {
            speed *= kBackwardsSpeedFactor;
        }
    }
    if (inStickyTrap) {
        speed *= kStickyTrapSpeedFactor;
    }
    return speed;
}

bool TouchesAny(const CollisionSphere& player, std::span<const CollisionSphere> traps) {
    return std::any_of(traps.begin(), traps.end(), [&](const CollisionSphere& trap) {
        const float dx = trap.center.x - player.center.x;
        const float dy = trap.center.y - player.center.y;
        const float dz = trap.center.z - player.center.z;
        const float reach = trap.radius + player.radius;
        return dx * dx + dy * dy + dz * dz <= reach * reach;
    });
}

Dash StartDash(const glm::vec3& position, const glm::vec3& target) {
    const glm::vec3 ground(target.x - position.x, 0.0f, target.z - position.z);
    const float length = glm::length(ground);
    Dash dash;
    if (!(length > 0.0f) || !std::isfinite(length)) {
        return dash;
    }
    dash.direction = ground / length;
    dash.remaining = length;
    dash.active = true;
    return dash;
}

DashStep NextDashStep(const Dash& dash, float currentSpeed, float frameTime) {
    const float step = currentSpeed * kDashSpeedFactor * frameTime;
    if (!dash.active) {
        return {0.0f, true};
    }
    if (!(step >= 0.0f) || !std::isfinite(step)) {
        return {0.0f, false};
    }
    if (dash.remaining <= step) {
        return {dash.remaining, true};
    }
    return {step, false};
}
