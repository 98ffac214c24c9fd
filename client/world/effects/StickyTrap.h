// A thrown sticky trap: a jar flies the arc with a yellow trail; landed, a puddle (one of three models,
// turned at random) bubbles at the target, and players whose sphere touches its sphere of radius 2.3 walk
// slowly. The world removes it 20 s after the landing. It is drawn with alpha blending on.
#pragma once

#include <cstdint>
#include <string>

#include <glm/vec3.hpp>

#include "client/ui/ParticleEmitter.h"
#include "client/world/Object.h"
#include "client/world/effects/ThrownTrap.h"
#include "raknet/RakNetTypes.h"
#include "shared/CollisionShapes.h"

class StickyTrap : public ThrownTrap {
public:
    static constexpr const char* kJarModel = "../Ombrin/Models/StickyTrapJar.ZMD";
    static constexpr float kLandedSeconds = 20.0f;
    static constexpr float kRadius = 2.3f;
    static constexpr float kBubbleSize = 0.2f;

    // The puddle model of a random number: r mod 4 = 0 the first, 1 the second, 2 or 3 the third.
    static const char* PuddleModel(std::uint32_t random);
    // The puddle's turn about y of a random number: (r mod 8) radians.
    static float PuddleTurn(std::uint32_t random);

    StickyTrap(int id, const glm::vec3& start, const glm::vec3& target, const RakNet::RakNetGUID& owner,
               std::uint32_t modelRandom, std::uint32_t turnRandom,
               ParticleRandom& random = ParticleRandom::Shared());

    bool Expired() const override { return !InFlight() && GetAge() >= kLandedSeconds; }
    // Where a landed trap slows players.
    CollisionSphere GetSphere() const;
    const Object& GetPuddle() const { return m_puddle; }
    const RakNet::RakNetGUID& GetOwner() const { return m_owner; }

private:
    void UpdateLanded(float dt) override;
    void RenderLanded(ParticleRenderer* particles) override;
    void RenderLandedDepth() override { m_puddle.RenderDepth(); }

    RakNet::RakNetGUID m_owner{};
    Object m_puddle;
    ParticleEmitter m_bubbles;
};
