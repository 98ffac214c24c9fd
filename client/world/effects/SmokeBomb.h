// A thrown smoke bomb: a jar on the arc; on landing it tells the engine's line of sight that smoke lies at
// the target and its grey smoke rises there for 4 s. The world removes it once the smoke has stopped, it
// has lain 4 s and no smoke particle is left.
#pragma once

#include <glm/vec3.hpp>

#include "client/ui/ParticleEmitter.h"
#include "client/world/effects/ThrownTrap.h"

class SmokeBomb : public ThrownTrap {
public:
    static constexpr const char* kModel = "../Ombrin/Models/SmokeBomb.ZMD";
    static constexpr float kSmokeSeconds = 4.0f;
    static constexpr float kSmokeHeight = 4.0f;

    SmokeBomb(int id, const glm::vec3& start, const glm::vec3& target,
              ParticleRandom& random = ParticleRandom::Shared());

    bool Expired() const override;
    const ParticleEmitter& GetSmoke() const { return m_smoke; }

private:
    void Land(float dt) override;
    void UpdateLanded(float dt) override;
    void RenderLanded(ParticleRenderer* particles) override;

    ParticleEmitter m_smoke;
};
