#include "client/world/effects/MatchEntities.h"

#include <algorithm>

#include "Lumagrid/GE.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/TrailRenderer.h"
#include "client/world/effects/EntityTrail.h"

namespace {

glm::vec3 ToVec3(const protocol::Vec3& v) {
    return {v.x, v.y, v.z};
}
glm::vec3 OnGround(const protocol::GroundPoint& p) {
    return {p.x, 0.0f, p.z};
}

template <typename List, typename Id>
void EraseById(List& list, Id id) {
    std::erase_if(list, [id](const auto& item) { return item.entity->GetId() == id; });
}
template <typename List, typename Id>
bool HasId(const List& list, Id id) {
    return std::any_of(list.begin(), list.end(),
                       [id](const auto& item) { return item.entity->GetId() == id; });
}

void Feed(Trail* trail, float dt, const Object& object, const glm::vec3& direction) {
    if (trail != nullptr) {
        const glm::vec3& at = object.GetPosition();
        trail->Update(dt, HeadingOf(direction), at.x, at.y, at.z);
    }
}
void Draw(Trail* trail, TrailRenderer* renderer) {
    if (trail != nullptr && renderer != nullptr) {
        trail->Render(*renderer);
    }
}

}  // namespace

MatchEntities::MatchEntities(std::uint32_t seed) : m_random(seed), m_particleRandom(seed) {}

MatchEntities::~MatchEntities() = default;

void MatchEntities::SetNetwork(ClientNetwork* network) {
    m_network = network;
    if (m_network != nullptr) {
        m_roundSeen = m_network->RoundNumber();
    }
}

void MatchEntities::Clear() {
    m_shurikens.clear();
    m_projectiles.clear();
    m_fans.clear();
    m_volleys.clear();
    m_smokeBombs.clear();
    m_caltrops.clear();
    m_stickyTraps.clear();
    m_landedSpheres.clear();
}

glm::vec4 MatchEntities::OwnerColour(const RakNet::RakNetGUID& owner) const {
    return TeamTrailColour(m_network != nullptr ? m_network->GetTeam(owner) : -1);
}

void MatchEntities::Update(float dt) {
    if (m_network == nullptr) {
        return;
    }
    if (m_network->RoundNumber() != m_roundSeen) {
        m_roundSeen = m_network->RoundNumber();
        Clear();
    }
    for (auto& [shuriken, trail] : m_shurikens) {
        shuriken->Update(dt);
        Feed(trail.get(), dt, *shuriken, shuriken->GetDirection());
    }
    for (auto& [projectile, trail] : m_projectiles) {
        projectile->Update(dt);
        Feed(trail.get(), dt, *projectile, projectile->GetDirection());
    }
    for (auto& smokeBomb : m_smokeBombs) {
        smokeBomb->Update(dt);
    }
    std::erase_if(m_smokeBombs, [](const auto& trap) { return trap->Expired(); });
    for (auto& caltrops : m_caltrops) {
        caltrops->Update(dt);
    }
    std::erase_if(m_caltrops, [](const auto& trap) { return trap->Expired(); });
    m_landedSpheres.clear();
    for (auto& stickyTrap : m_stickyTraps) {
        stickyTrap->Update(dt);
    }
    std::erase_if(m_stickyTraps, [](const auto& trap) { return trap->Expired(); });
    for (const auto& stickyTrap : m_stickyTraps) {
        if (!stickyTrap->InFlight()) {
            m_landedSpheres.push_back(stickyTrap->GetSphere());
        }
    }

    TakeShurikens();
    TakeProjectiles();
    TakeTraps();
    TakeFans();
    UpdateFans(dt);
    TakeVolleys();
    UpdateVolleys(dt);
}

void MatchEntities::TakeShurikens() {
    for (const protocol::ShurikenAddMessage& add : m_network->shurikens.added.Take()) {
        if (HasId(m_shurikens, add.shurikenId)) {
            continue;
        }
        auto shuriken = std::make_unique<Shuriken>();
        shuriken->Initialize(add.mega ? Shuriken::kMegaModel : Shuriken::kModel, ToVec3(add.start),
                             ToVec3(add.direction), add.speed);
        shuriken->SetId(add.shurikenId);
        m_shurikens.push_back(
            {std::move(shuriken),
             MakeEntityTrail(OwnerColour(add.owner), "A shuriken trail failed to initialize!")});
    }
    for (std::int32_t id : m_network->shurikens.removed.Take()) {
        EraseById(m_shurikens, id);
    }
}

void MatchEntities::TakeProjectiles() {
    for (const protocol::ProjectileAddMessage& add : m_network->projectiles.added.Take()) {
        auto projectile = std::make_unique<Projectile>();
        if (HasId(m_projectiles, add.projectileId) ||
            !projectile->Initialize(add.kind, ToVec3(add.start), ToVec3(add.direction))) {
            continue;
        }
        projectile->SetId(add.projectileId);
        projectile->SetOwner(add.owner);
        m_projectiles.push_back(
            {std::move(projectile),
             MakeEntityTrail(OwnerColour(add.owner), "A kunai trail failed to initialize!")});
    }
    for (std::int32_t id : m_network->projectiles.removed.Take()) {
        EraseById(m_projectiles, id);
    }
}

// Thrown traps leave when their own time is up; the server's removes of them change nothing here.
void MatchEntities::TakeTraps() {
    for (const protocol::SmokeBombAddMessage& add : m_network->smokeBombs.added.Take()) {
        m_smokeBombs.push_back(std::make_unique<SmokeBomb>(add.smokeBombId, OnGround(add.start),
                                                           OnGround(add.target), m_particleRandom));
    }
    for (const protocol::SpikeTrapAddMessage& add : m_network->spikeTraps.added.Take()) {
        m_caltrops.push_back(std::make_unique<CaltropField>(add.spikeTrapId, OnGround(add.start),
                                                            OnGround(add.target), add.ownerTeam));
    }
    for (const protocol::StickyTrapAddMessage& add : m_network->stickyTraps.added.Take()) {
        const bool present =
            std::any_of(m_stickyTraps.begin(), m_stickyTraps.end(),
                        [&add](const auto& trap) { return trap->GetId() == add.stickyTrapId; });
        if (present) {
            continue;
        }
        const std::uint32_t model = static_cast<std::uint32_t>(m_random());
        const std::uint32_t turn = static_cast<std::uint32_t>(m_random());
        m_stickyTraps.push_back(std::make_unique<StickyTrap>(add.stickyTrapId, OnGround(add.start),
                                                             OnGround(add.target), add.owner, model, turn,
                                                             m_particleRandom));
    }
    m_network->smokeBombs.removed.Clear();
    m_network->spikeTraps.removed.Clear();
    m_network->stickyTraps.removed.Clear();
}

void MatchEntities::TakeFans() {
    for (const FanEntry& entry : m_network->fans.added.Take()) {
        if (HasId(m_fans, entry.fanId)) {
            continue;
        }
        auto fan = std::make_unique<FanBoomerang>();
        fan->Initialize(kFanModel, ToVec3(entry.add.start), ToVec3(entry.add.direction), entry.add.speed);
        fan->SetId(entry.fanId);
        fan->SetOwner(entry.add.owner);
        m_fans.push_back({std::move(fan), MakeEntityTrail(OwnerColour(entry.add.owner),
                                                          "A fan trail failed to initialize!")});
    }
    for (std::int32_t id : m_network->fans.removed.Take()) {
        EraseById(m_fans, id);
    }
}

void MatchEntities::UpdateFans(float dt) {
    for (auto& [fan, trail] : m_fans) {
        const FanEntry* entry = m_network->fans.Find(fan->GetId());
        if (entry == nullptr) {
            continue;
        }
        std::optional<glm::vec3> owner;
        if (entry->returning && m_owners) {
            owner = m_owners(fan->GetOwner());
        }
        fan->Update(dt, entry->returning, owner ? &*owner : nullptr);
        Feed(trail.get(), dt, *fan, fan->GetDirection());
    }
}

void MatchEntities::TakeVolleys() {
    for (const protocol::VolleyAddMessage& add : m_network->events.volleys.Take()) {
        Volley volley;
        const glm::vec3 start = OnGround(add.start);
        const glm::vec4 colour = OwnerColour(add.owner);
        for (const glm::vec3& target : VolleyFlight::Targets(OnGround(add.target))) {
            auto kunai = std::make_unique<VolleyObject>();
            kunai->Initialize(start, target);
            volley.kunai.push_back(std::move(kunai));
            volley.trails.push_back(MakeEntityTrail(colour, "A volley trail failed to initialize!"));
        }
        m_volleys.push_back(std::move(volley));
    }
}

void MatchEntities::UpdateVolleys(float dt) {
    for (Volley& volley : m_volleys) {
        volley.time += dt;
        for (std::size_t i = 0; i < volley.kunai.size(); ++i) {
            VolleyObject& kunai = *volley.kunai[i];
            kunai.FlyTo(volley.time);
            if (Trail* trail = volley.trails[i].get(); trail != nullptr) {
                const glm::vec3& at = kunai.GetPosition();
                trail->Update(dt, kunai.GetRotation().y, at.x, at.y, at.z);
            }
        }
    }
    std::erase_if(m_volleys, [](const Volley& volley) {
        return std::all_of(volley.kunai.begin(), volley.kunai.end(),
                           [&volley](const auto& kunai) { return kunai->FinishedAt(volley.time); });
    });
}

void MatchEntities::Render() {
    for (auto& [shuriken, trail] : m_shurikens) {
        shuriken->Render();
        Draw(trail.get(), m_trails);
    }
    for (auto& [projectile, trail] : m_projectiles) {
        projectile->Render();
        Draw(trail.get(), m_trails);
    }
    for (auto& [fan, trail] : m_fans) {
        fan->Render();
        Draw(trail.get(), m_trails);
    }
    for (Volley& volley : m_volleys) {
        for (std::size_t i = 0; i < volley.kunai.size(); ++i) {
            volley.kunai[i]->Render();
            Draw(volley.trails[i].get(), m_trails);
        }
    }
    for (auto& smokeBomb : m_smokeBombs) {
        smokeBomb->Render(m_trails, m_particles);
    }
    for (auto& caltrops : m_caltrops) {
        caltrops->Render(m_trails, m_particles);
    }
    if (m_stickyTraps.empty()) {
        return;
    }
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine != nullptr) {
        engine->TurnOnAlphaBlending();
    }
    for (auto& stickyTrap : m_stickyTraps) {
        stickyTrap->Render(m_trails, m_particles);
    }
    if (engine != nullptr) {
        engine->TurnOffAlphaBlending();
    }
}

void MatchEntities::RenderDepth() {
    for (auto& item : m_shurikens) {
        item.entity->RenderDepth();
    }
    for (auto& item : m_projectiles) {
        item.entity->RenderDepth();
    }
    for (auto& item : m_fans) {
        item.entity->RenderDepth();
    }
    for (Volley& volley : m_volleys) {
        for (auto& kunai : volley.kunai) {
            kunai->RenderDepth();
        }
    }
    for (auto& smokeBomb : m_smokeBombs) {
        smokeBomb->RenderDepth();
    }
    for (auto& caltrops : m_caltrops) {
        caltrops->RenderDepth();
    }
    for (auto& stickyTrap : m_stickyTraps) {
        stickyTrap->RenderDepth();
    }
}
