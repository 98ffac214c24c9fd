// A flying weapon of one of the projectile kinds (a shuriken, a mega shuriken, a kunai): the kind fixes the
// model, the speed, the lifetime and the spin. A spinning kind turns about y as it flies; one without spin
// points along its direction of travel.
#pragma once

#include <cstdint>

#include <glm/vec3.hpp>

#include "client/world/MovingObject.h"
#include "raknet/RakNetTypes.h"

struct ProjectileKindLook {
    const char* model = "";
    float speed = 0.0f;
    float lifetime = 0.0f;  // seconds
    float spinRate = 0.0f;  // radians per second about y; 0: faces its direction
};

class Projectile : public MovingObject {
public:
    // The look of kinds 0 to 2; null for any other number.
    static const ProjectileKindLook* FindKind(std::int32_t kind);

    // The kind's model at position, heading along direction at the kind's speed. False, with nothing set
    // up, for an unknown kind.
    bool Initialize(std::int32_t kind, const glm::vec3& position, const glm::vec3& direction);

    void SetId(int id) { m_id = id; }
    int GetId() const { return m_id; }
    void SetOwner(const RakNet::RakNetGUID& owner) { m_owner = owner; }
    const RakNet::RakNetGUID& GetOwner() const { return m_owner; }
    std::int32_t GetKind() const { return m_kind; }
    float GetRemainingLifetime() const { return m_lifetime; }

    void Update(double frameTime) override;

private:
    using MovingObject::Initialize;

    int m_id = 0;
    RakNet::RakNetGUID m_owner{};
    std::int32_t m_kind = 0;
    float m_lifetime = 0.0f;
    float m_spinRate = 0.0f;
};
