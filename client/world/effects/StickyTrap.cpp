#include "client/world/effects/StickyTrap.h"

#include "client/ui/ParticleRenderer.h"
#include "client/world/effects/EntityTrail.h"

const char* StickyTrap::PuddleModel(std::uint32_t random) {
    switch (random % 4) {
        case 0:
            return "../Ombrin/Models/StickyTrap1Shape.ZMD";
        case 1:
            return "../Ombrin/Models/StickyTrap2Shape.ZMD";
        default:
            return "../Ombrin/Models/StickyTrap3Shape.ZMD";
    }
}

float StickyTrap::PuddleTurn(std::uint32_t random) {
    return static_cast<float>(random % 8);
}

StickyTrap::StickyTrap(int id, const glm::vec3& start, const glm::vec3& target,
                       const RakNet::RakNetGUID& owner, std::uint32_t modelRandom, std::uint32_t turnRandom,
                       ParticleRandom& random)
    : ThrownTrap(id, start, target, kJarModel, kYellowTrailColour,
                 "A sticky trap trail failed to initialize!"),
      m_owner(owner),
      m_bubbles(random) {
    m_puddle.Initialize(PuddleModel(modelRandom), target, {0.0f, PuddleTurn(turnRandom), 0.0f},
                        glm::vec3(1.0f));
    m_bubbles.Initialize(target, {0.0f, 1.0f, 0.0f}, ParticleType::BubbleParticles, kBubbleSize, kBubbleSize);
    m_bubbles.SetEmitting(true);
}

CollisionSphere StickyTrap::GetSphere() const {
    const glm::vec3& target = GetArc().GetTarget();
    return CollisionSphere{Float3{target.x, target.y, target.z}, kRadius};
}

void StickyTrap::UpdateLanded(float dt) {
    if (m_bubbles.IsInitialized()) {
        m_bubbles.Update(dt);
    }
}

void StickyTrap::RenderLanded(ParticleRenderer* particles) {
    m_puddle.Render();
    if (particles != nullptr && m_bubbles.IsInitialized()) {
        particles->QueueEmitter(&m_bubbles);
    }
}
