// The flash bangs of a match: each throw the server reports flies its arc with a yellow trail, explodes where
// it lands in a burst of light, and blinds the local player who sees it (FlashBangEffects::Blinds) with the
// white screen (FlashBangFlash).
//
// A grenade or explosion whose trail or emitter cannot be made (no engine, no buffer) goes on without it,
// and its message goes to the engine's diagnostics. Every frame at most one landed grenade whose trail has
// faded and at most one spent explosion are removed.
#pragma once

#include <memory>
#include <vector>

#include <glm/vec3.hpp>

#include "client/ui/ParticleEmitter.h"
#include "client/ui/Trail.h"
#include "client/world/MovingObject.h"
#include "client/world/effects/FlashBangFlash.h"
#include "client/world/effects/ThrownArc.h"
#include "protocol/ServerMessages.h"

class CollisionManager;
class ParticleRenderer;
class TrailRenderer;

class FlashBangEffects {
public:
    static constexpr const char* kModel = "../Ombrin/Models/flashbang_Shape.ZMD";
    static constexpr const char* kTrailFailed = "A flashbang trail failed to initialize!";
    static constexpr const char* kExplosionFailed = "A flashbang explosion emitter failed to initialize!";
    static constexpr const char* kTrailTexture = "../Ombrin/2DTextures/Particles/Trail.png";
    static constexpr float kExplosionSize = 1.5f;
    // How long an explosion emits before its particles are left to die out.
    static constexpr float kExplosionSeconds = 0.3f;
    // Within this ground distance every explosion blinds; beyond the far one none does; in between only one
    // in front of the player (less than a right angle from the facing).
    static constexpr float kAlwaysBlindDistance = 3.0f;
    static constexpr float kNeverBlindDistance = 7.0f;

    // The local player as the blinding test sees it; absent (no local player) nobody is blinded.
    struct Viewer {
        glm::vec3 position{0.0f};
        glm::vec3 facing{0.0f, 0.0f, 1.0f};
    };

    FlashBangEffects() = default;
    ~FlashBangEffects();
    FlashBangEffects(const FlashBangEffects&) = delete;
    FlashBangEffects& operator=(const FlashBangEffects&) = delete;

    // A throw from start to target (the ground points of the server's message).
    void Throw(const protocol::FlashBangMessage& message);
    // One frame: the grenades fly on and those that land explode (blinding viewer when it sees them, tested
    // against collision's obstacles when there is a collision manager), the explosions burn on, the white
    // screen follows its curve, and the spent grenade and explosion of the frame are removed.
    void Update(float dt, const Viewer* viewer, const CollisionManager* collision);
    // The scene pass: the grenades in flight (with the pipeline the caller prepared).
    void RenderScene();
    // The effects pass: the grenades' trails and the explosions' particles.
    void RenderEffects(ParticleRenderer& particles, TrailRenderer& trails) const;
    // Drops every grenade and explosion and clears the white screen (a round start, the match's end).
    void Clear();

    // Whether an explosion at explosion blinds a player at position facing facing.
    static bool Blinds(const glm::vec3& position, const glm::vec3& facing, const glm::vec3& explosion,
                       const CollisionManager* collision);

    struct Grenade {
        MovingObject body;
        ThrownArc arc;
        std::unique_ptr<Trail> trail;
        float age = 0.0f;
        bool inFlight = true;
    };
    struct Explosion {
        glm::vec3 position{0.0f};
        std::unique_ptr<ParticleEmitter> emitter;
        float age = 0.0f;
    };

    const std::vector<std::unique_ptr<Grenade>>& Grenades() const { return m_grenades; }
    const std::vector<std::unique_ptr<Explosion>>& Explosions() const { return m_explosions; }
    FlashBangFlash& Flash() { return m_flash; }
    const FlashBangFlash& Flash() const { return m_flash; }

private:
    void Explode(const glm::vec3& at, const Viewer* viewer, const CollisionManager* collision);
    void RemoveSpent();

    std::vector<std::unique_ptr<Grenade>> m_grenades;
    std::vector<std::unique_ptr<Explosion>> m_explosions;
    FlashBangFlash m_flash;
};
