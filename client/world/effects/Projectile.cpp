#include "client/world/effects/Projectile.h"

#include <array>

#include "client/world/effects/EntityTrail.h"

namespace {

constexpr std::array<ProjectileKindLook, 3> kKinds{{
    {"../Ombrin/Models/shurikenShape.ZMD", 40.0f, 3.0f, 15.7f},
    {"../Ombrin/Models/MegaShuriken_Shape.ZMD", 25.0f, 4.0f, 0.0f},
    {"../Ombrin/Models/KunaiShape.ZMD", 50.0f, 2.0f, 0.0f},
}};

}  // namespace

const ProjectileKindLook* Projectile::FindKind(std::int32_t kind) {
    if (kind < 0 || kind >= static_cast<std::int32_t>(kKinds.size())) {
        return nullptr;
    }
    return &kKinds[static_cast<std::size_t>(kind)];
}

bool Projectile::Initialize(std::int32_t kind, const glm::vec3& position, const glm::vec3& direction) {
    const ProjectileKindLook* look = FindKind(kind);
    if (look == nullptr) {
        return false;
    }
    m_kind = kind;
    m_lifetime = look->lifetime;
    m_spinRate = look->spinRate;
    MovingObject::Initialize(look->model, position, direction, look->speed);
    return true;
}

void Projectile::Update(double frameTime) {
    const float dt = static_cast<float>(frameTime);
    SetPosition(GetPosition() + GetDirection() * (GetSpeed() * dt));
    glm::vec3 rotation = GetRotation();
    rotation.y = m_spinRate != 0.0f ? rotation.y + m_spinRate * dt : HeadingOf(GetDirection());
    SetRotation(rotation);
    m_lifetime -= dt;
}
