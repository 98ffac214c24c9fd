#include "client/world/effects/SmokeBomb.h"

#include "Lumagrid/GE.h"
#include "client/ui/ParticleRenderer.h"
#include "client/world/effects/EntityTrail.h"

namespace {

const glm::vec4 kSmokeColour{0.5f, 0.5f, 0.5f, 1.0f};
constexpr float kSmokeSize = 3.0f;

}  // namespace

SmokeBomb::SmokeBomb(int id, const glm::vec3& start, const glm::vec3& target, ParticleRandom& random)
    : ThrownTrap(id, start, target, kModel, kYellowTrailColour, "A smoke bomb trail failed to initialize!"),
      m_smoke(random) {
    m_smoke.Initialize({target.x, kSmokeHeight, target.z}, {0.0f, 1.0f, 0.0f}, ParticleType::SmokeParticles,
                       kSmokeSize, kSmokeSize);
    m_smoke.SetColour(kSmokeColour);
}

bool SmokeBomb::Expired() const {
    return !InFlight() && GetAge() >= kSmokeSeconds && !m_smoke.IsEmitting() && m_smoke.LiveCount() == 0;
}

void SmokeBomb::Land(float dt) {
    if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated(); engine != nullptr) {
        const glm::vec3& target = GetArc().GetTarget();
        engine->SS_AddSmokeBomb(Lumaspace::Point{target.x, target.z}, dt);
    }
    m_smoke.SetEmitting(true);
}

void SmokeBomb::UpdateLanded(float dt) {
    m_smoke.SetEmitting(GetAge() < kSmokeSeconds);
    if (m_smoke.IsInitialized()) {
        m_smoke.Update(dt);
    }
}

void SmokeBomb::RenderLanded(ParticleRenderer* particles) {
    if (particles != nullptr && m_smoke.IsInitialized()) {
        particles->QueueEmitter(&m_smoke);
    }
}
