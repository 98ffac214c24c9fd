#include "client/world/effects/FanBoomerang.h"

#include <glm/geometric.hpp>

void FanBoomerang::Update(float dt, bool returning, const glm::vec3* owner) {
    glm::vec3 rotation = GetRotation();
    rotation.y += kSpinRate * dt;
    SetRotation(rotation);
    if (!returning) {
        SetPosition(GetPosition() + GetDirection() * (GetSpeed() * dt));
        return;
    }
    if (owner != nullptr) {
        const glm::vec3 away(GetPosition().x - owner->x, 0.0f, GetPosition().z - owner->z);
        const float distance = glm::length(away);
        if (distance > 0.0f) {
            SetDirection(away / distance);
        }
    }
    SetPosition(GetPosition() - GetDirection() * (GetSpeed() * dt));
}
