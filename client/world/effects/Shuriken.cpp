#include "client/world/effects/Shuriken.h"

void Shuriken::Update(double frameTime) {
    const float dt = static_cast<float>(frameTime);
    SetPosition(GetPosition() + GetDirection() * (GetSpeed() * dt));
    glm::vec3 rotation = GetRotation();
    rotation.y += kSpinRate * dt;
    SetRotation(rotation);
    m_lifetime -= dt;
}
