// The entities a match's server throws into the arena, as the client shows them: shurikens, projectiles,
// fans and volleys of kunai, smoke bombs, caltrop fields and sticky traps, each with its trail or particles.
// Every frame Update takes what the connection's lists added and removed since the last frame (each object
// is made once, however often its list changes), moves everything on, and drops thrown traps whose time is
// up and volleys whose kunai are all down. A new round (the connection's round number moved on) empties it.
//
// Without a connection nothing is made. Trails are made only while an engine runs, and drawn only on a
// trail renderer; the smoke and the puddles' bubbles are queued only on a particle renderer. A returning
// fan flies back to its owner as the owner lookup finds it; without one (the owner left) it flies straight.
// The landed sticky traps are offered as spheres to the players (StickyTrapField).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <vector>

#include <glm/vec3.hpp>

#include "client/ui/ParticleRandom.h"
#include "client/ui/Trail.h"
#include "client/world/StickyTrapField.h"
#include "client/world/effects/CaltropField.h"
#include "client/world/effects/FanBoomerang.h"
#include "client/world/effects/Projectile.h"
#include "client/world/effects/Shuriken.h"
#include "client/world/effects/SmokeBomb.h"
#include "client/world/effects/StickyTrap.h"
#include "client/world/effects/VolleyObject.h"
#include "raknet/RakNetTypes.h"

class ClientNetwork;
class ParticleRenderer;
class TrailRenderer;

class MatchEntities : public StickyTrapField {
public:
    static constexpr const char* kFanModel = "../Ombrin/Models/TessenShape.ZMD";

    // Where a player stands, by guid; none for a player not in the match.
    using OwnerLookup = std::function<std::optional<glm::vec3>(const RakNet::RakNetGUID&)>;

    // An entity and its trail (null when the trail could not be made).
    template <typename Entity>
    struct Trailed {
        std::unique_ptr<Entity> entity;
        std::unique_ptr<Trail> trail;
    };
    struct Volley {
        std::vector<std::unique_ptr<VolleyObject>> kunai;
        std::vector<std::unique_ptr<Trail>> trails;
        float time = 0.0f;  // seconds since the throw
    };

    // The seed of the puddles' random models and turns and of the particles.
    explicit MatchEntities(std::uint32_t seed = 1);
    ~MatchEntities() override;
    MatchEntities(const MatchEntities&) = delete;
    MatchEntities& operator=(const MatchEntities&) = delete;

    // The connection whose lists are read (null: none). Objects listed before it was set are still made;
    // the round it is in counts as seen.
    void SetNetwork(ClientNetwork* network);
    void SetOwnerLookup(OwnerLookup lookup) { m_owners = std::move(lookup); }
    void SetTrailRenderer(TrailRenderer* renderer) { m_trails = renderer; }
    void SetParticleRenderer(ParticleRenderer* renderer) { m_particles = renderer; }

    void Update(float dt);
    // Scene pass: every entity's model, trails queued on the trail renderer, particles on the particle
    // renderer; sticky traps with alpha blending on.
    void Render();
    void RenderDepth();
    // Every entity goes, with its trail.
    void Clear();

    std::span<const CollisionSphere> LandedStickyTraps() const override { return m_landedSpheres; }

    const std::vector<Trailed<Shuriken>>& GetShurikens() const { return m_shurikens; }
    const std::vector<Trailed<Projectile>>& GetProjectiles() const { return m_projectiles; }
    const std::vector<Trailed<FanBoomerang>>& GetFans() const { return m_fans; }
    const std::vector<Volley>& GetVolleys() const { return m_volleys; }
    const std::vector<std::unique_ptr<SmokeBomb>>& GetSmokeBombs() const { return m_smokeBombs; }
    const std::vector<std::unique_ptr<CaltropField>>& GetCaltropFields() const { return m_caltrops; }
    const std::vector<std::unique_ptr<StickyTrap>>& GetStickyTraps() const { return m_stickyTraps; }

private:
    void TakeShurikens();
    void TakeProjectiles();
    void TakeFans();
    void TakeVolleys();
    void TakeTraps();
    void UpdateFans(float dt);
    void UpdateVolleys(float dt);
    glm::vec4 OwnerColour(const RakNet::RakNetGUID& owner) const;

    ClientNetwork* m_network = nullptr;
    int m_roundSeen = 0;
    OwnerLookup m_owners;
    TrailRenderer* m_trails = nullptr;
    ParticleRenderer* m_particles = nullptr;
    std::minstd_rand m_random;
    ParticleRandom m_particleRandom;

    std::vector<Trailed<Shuriken>> m_shurikens;
    std::vector<Trailed<Projectile>> m_projectiles;
    std::vector<Trailed<FanBoomerang>> m_fans;
    std::vector<Volley> m_volleys;
    std::vector<std::unique_ptr<SmokeBomb>> m_smokeBombs;
    std::vector<std::unique_ptr<CaltropField>> m_caltrops;
    std::vector<std::unique_ptr<StickyTrap>> m_stickyTraps;
    std::vector<CollisionSphere> m_landedSpheres;
};
