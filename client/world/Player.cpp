// Player: initialisation and release, the state the server decides (health, death, team) and the remote
// player's frame.
#include "client/world/Player.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include <glm/geometric.hpp>

#include "client/net/ClientNetwork.h"
#include "client/net/NetworkPlayer.h"
#include "client/ui/ParticleEmitter.h"
#include "client/ui/SoundSystem.h"
#include "client/ui/Trail.h"
#include "client/world/Model.h"
#include "client/world/abilities/AbilityFactory.h"
#include "client/world/abilities/AbilitySender.h"
#include "client/world/abilities/AimMarkers.h"
#include "shared/ModelLibrary.h"
#include "shared/SoundNumbers.h"
#include "shared/collision/CollisionOBB.h"

namespace {

// Where the abilities of a player without a connection report their uses: nowhere.
class NoSender final : public AbilitySender {
public:
    void SendAbility(std::int32_t, float) override {}
};

NoSender& Nowhere() {
    static NoSender sender;
    return sender;
}

const Float4 kUnturned{0.0f, 0.0f, 0.0f, 1.0f};

glm::vec3 ToVec3(const protocol::Vec3& v) {
    return {v.x, v.y, v.z};
}

Float3 ToFloat3(const glm::vec3& v) {
    return {v.x, v.y, v.z};
}

bool IsUsableFacing(const glm::vec3& facing) {
    const float length = glm::length(facing);
    return length > 0.0f && std::isfinite(length);
}

}  // namespace

Player::Player(const NinjaKind& kind, const PlayerSurroundings& surroundings)
    : m_kind(kind), m_surroundings(surroundings) {}

Player::~Player() {
    Player::Shutdown();
}

bool Player::InitializePlayer(const Identity& identity, const glm::vec3& position,
                              const glm::vec3& direction) {
    Player::Shutdown();
    m_identity = identity;
    const bool drawable =
        AnimatedObject::Initialize(m_kind.modelPath, position, glm::vec3(0.0f), glm::vec3(1.0f));
    GetAnimation().BindClips();
    SetFacing(IsUsableFacing(direction) ? direction : glm::vec3(0.0f, 0.0f, 1.0f));
    GetAnimation().ChooseLegClips(glm::vec3(0.0f), 0.0);

    m_health = kMaxHealth;
    m_maxHealth = kMaxHealth;
    m_alive = true;
    m_globalCooldown = 0.0;
    m_aimDistance = 0.0f;
    m_dash = Dash{};
    m_selected = &m_noAbility;
    m_previousPosition = position;
    m_sphere = CollisionSphere{ToFloat3(position), kPlayerSphereRadius};
    m_bodyShape = {};
    for (const CollisionBox& box : GetBaseModel().GetBoxes()) {
        m_bodyShape.boxes.push_back(MakeCollisionOBB(box.center, box.halfSizes, kUnturned));
    }
    m_bodyShape.spheres = GetBaseModel().GetSpheres();
    m_body = {};
    PlaceBody();
    m_reporter.Place(position);
    m_positionGlide.Reset(position);
    m_directionGlide.Reset(GetDirection());
    m_sampleTime = 0.0;
    m_sampledPosition = position;
    m_moveHeading = 0.0f;
    m_smartCast = SmartCast{};
    m_input = PlayerInput{};
    m_invisible = false;
    m_inView = true;
    m_hiddenByLevel = false;
    m_walking = false;
    m_visibilityStale = false;
    m_refusals = 0;
    SetSpeed(m_kind.baseSpeed);

    CreateAbilities();
    CreateParts(position);
    return drawable;
}

void Player::CreateAbilities() {
    AbilitySender& sender =
        m_surroundings.abilitySender != nullptr ? *m_surroundings.abilitySender : Nowhere();
    const NinjaAbilities own = m_kind.Abilities();
    const auto make = [&](protocol::AbilityId id) {
        return CreateAbility(static_cast<std::int32_t>(id), sender);
    };
    m_abilities[static_cast<std::size_t>(AbilitySlotIndex::Melee)] = make(own.melee);
    m_abilities[static_cast<std::size_t>(AbilitySlotIndex::Q)] = make(own.q);
    m_abilities[static_cast<std::size_t>(AbilitySlotIndex::Ranged)] = make(own.ranged);
    m_abilities[static_cast<std::size_t>(AbilitySlotIndex::E)] = make(own.e);
    m_abilities[static_cast<std::size_t>(AbilitySlotIndex::Tool)] =
        CreateToolAbility(m_identity.tool, sender);
}

void Player::CreateParts(const glm::vec3& position) {
    m_texts.Initialize(m_identity.name, m_identity.local);
    // The name is the floating texts' (yellow for the local player), so the bar carries none.
    m_healthBar.Initialize("", kHealthBarWidth, kHealthBarHeight);
    if (m_identity.local) {
        m_markers = std::make_unique<AimMarkers>(MarkerModelsFromLibrary());
    }

    // A trail or emitter that cannot be made (no engine, no buffer) leaves the player without it.
    const auto makeTrail = [] {
        auto trail = std::make_unique<Trail>();
        if (!trail->Initialize(glm::vec4(1.0f), kTrailTexture, kTrailRate, kTrailLifetime, kTrailWidth)) {
            return std::unique_ptr<Trail>();
        }
        trail->StopEmitting();
        return trail;
    };
    m_dashTrail = makeTrail();
    m_weaponTrail = makeTrail();

    m_hitEmitter = std::make_unique<ParticleEmitter>();
    if (!m_hitEmitter->Initialize(position + glm::vec3(0.0f, 1.0f, 0.0f), glm::vec3(0.0f, 1.0f, 0.0f),
                                  ParticleType::BloodParticles, 0.1f, 0.1f)) {
        m_hitEmitter.reset();
    }
    m_hitTimer = 0.0f;
    m_remoteTrailTimer = 0.0f;

    // Only the local player walks by the keys, so only it has footsteps; they run while it walks.
    if (m_identity.local && m_surroundings.sound != nullptr) {
        m_walkingSound =
            m_surroundings.sound->AddAmbientSound(SoundNumber(SoundId::StepsOnLeaves), position, this);
        m_surroundings.sound->PauseSound(m_walkingSound, true);
    }

    const auto* ring = dynamic_cast<const Model*>(&ModelLibrary::GetInstance().Get(kTeamRingModel));
    m_teamRing = ring != nullptr && ring->GetBuffer() && ring->GetVertexCount() > 0 ? ring : nullptr;
    m_portraitPath =
        std::string(kPortraitFolder) + std::filesystem::path(m_kind.modelPath).stem().string() + ".png";
}

void Player::Shutdown() {
    if (m_surroundings.sound != nullptr && m_walkingSound) {
        m_surroundings.sound->StopSound(m_walkingSound);
    }
    m_walkingSound = SoundHandle{};
    m_walking = false;
    m_texts.Shutdown();
    m_healthBar.Shutdown();
    m_markers.reset();
    m_dashTrail.reset();
    m_weaponTrail.reset();
    m_hitEmitter.reset();
    m_teamRing = nullptr;
    for (std::unique_ptr<Ability>& ability : m_abilities) {
        ability.reset();
    }
    m_selected = &m_noAbility;
    AnimatedObject::Shutdown();
}

void Player::StartFromRecord(const NetworkPlayer& record) {
    m_health = std::max(record.health, 0.0f);
    if (record.maxHealth > 0.0f) {
        m_maxHealth = record.maxHealth;
    }
    m_identity.team = record.team;
    m_invisible = record.invisible;
    if (!record.alive) {
        SetAlive(false);
    }
}

void Player::ApplyRecordState(const NetworkPlayer& record) {
    if (record.maxHealth > 0.0f && std::isfinite(record.maxHealth)) {
        m_maxHealth = record.maxHealth;
    }
    SetHealth(record.health);
    SetAlive(record.alive);
    m_identity.team = record.team;
    m_invisible = record.invisible;
}

void Player::ApplyLocalRecord(const NetworkPlayer& record) {
    ApplyRecordState(record);
}

void Player::SetHealth(float health) {
    if (!std::isfinite(health)) {
        return;
    }
    const float kept = std::max(health, 0.0f);
    if (kept == m_health) {
        return;
    }
    if (kept < m_health && m_health > 0.0f) {
        m_texts.ShowDamage(m_health - kept);
        m_hitTimer = kHitBurstSeconds;
        if (m_hitEmitter) {
            m_hitEmitter->SetEmitting(true);
        }
    } else if (kept > m_health) {
        m_texts.ShowHeal(kept - m_health);
    }
    m_health = kept;
}

void Player::SetAlive(bool alive) {
    if (alive == m_alive) {
        return;
    }
    m_alive = alive;
    if (alive) {
        GetAnimation().PlayAction(AnimationAction::kRevival);
        return;
    }
    GetAnimation().PlayAction(AnimationAction::kDeath);
    m_selected = &m_noAbility;
    SetWalking(false);
    if (m_dash.active) {
        EndDash();
    }
}

void Player::SetFacing(const glm::vec3& facing) {
    if (!IsUsableFacing(facing)) {
        return;
    }
    const glm::vec3 unit = glm::normalize(facing);
    SetDirection(facing);
    GetAnimation().SetFacing(unit);
    if (m_identity.local && m_surroundings.network != nullptr) {
        m_surroundings.network->SetLocalDirection({unit.x, unit.y, unit.z});
    }
}

void Player::ResetCooldowns() {
    for (const std::unique_ptr<Ability>& ability : m_abilities) {
        if (ability) {
            ability->ResetCooldown();
        }
    }
}

void Player::UpdateRemote(double frameTime, const NetworkPlayer& record) {
    ApplyRecordState(record);
    const float dt = static_cast<float>(frameTime);
    m_positionGlide.Receive(GetPosition(), ToVec3(record.position));
    MoveTo(m_positionGlide.Step(GetPosition(), dt), frameTime);
    m_directionGlide.Receive(GetDirection(), ToVec3(record.direction));
    SetFacing(m_directionGlide.Step(GetDirection(), dt));
    m_sphere.center = ToFloat3(GetPosition());
    m_previousPosition = GetPosition();
    UpdateParts(frameTime);
    AnimatedObject::Update(frameTime);
}

void Player::ReceiveAnimation(int animation) {
    GetAnimation().PlayAction(animation);
    if (!m_kind.DashesWithQ()) {
        return;
    }
    if (animation == AnimationAction::kSpecial1) {
        SetDashTrail(true);
        m_remoteTrailTimer = kRemoteDashTrailSeconds;
    } else if (animation == AnimationAction::kNone) {
        SetDashTrail(false);
        m_remoteTrailTimer = 0.0f;
    }
}

void Player::SetDashTrail(bool on) {
    if (!m_dashTrail) {
        return;
    }
    if (on) {
        m_dashTrail->StartEmitting();
    } else {
        m_dashTrail->StopEmitting();
    }
}

bool Player::IsDashTrailOn() const {
    return m_dashTrail && m_dashTrail->IsEmitting();
}

void Player::MoveTo(const glm::vec3& position, double frameTime) {
    const glm::vec3 moved = position - GetPosition();
    if (moved.x != 0.0f || moved.z != 0.0f) {
        m_moveHeading = std::atan2(moved.z, moved.x);
    }
    if (moved != glm::vec3(0.0f)) {
        SetPosition(position);
        PlaceBody();
    }
    if (m_identity.local) {
        return;
    }
    m_sampleTime += frameTime;
    if (m_sampleTime > kLegSampleInterval) {
        GetAnimation().ChooseLegClips(position - m_sampledPosition, m_sampleTime);
        m_sampledPosition = position;
        m_sampleTime = 0.0;
    }
}

// The model's volumes, unturned, moved to the position: kept about the model's origin once, moved on every
// move.
void Player::PlaceBody() {
    const Float3 at = ToFloat3(GetPosition());
    if (m_bodyShape.boxes.size() != m_body.boxes.size() ||
        m_bodyShape.spheres.size() != m_body.spheres.size()) {
        m_body = m_bodyShape;
    }
    for (std::size_t i = 0; i < m_body.boxes.size(); ++i) {
        const Float3& centre = m_bodyShape.boxes[i].center;
        m_body.boxes[i].center = Float3{centre.x + at.x, centre.y + at.y, centre.z + at.z};
    }
    for (std::size_t i = 0; i < m_body.spheres.size(); ++i) {
        const Float3& centre = m_bodyShape.spheres[i].center;
        m_body.spheres[i].center = Float3{centre.x + at.x, centre.y + at.y, centre.z + at.z};
    }
}

void Player::UpdateParts(double frameTime) {
    const float dt = static_cast<float>(frameTime);
    m_texts.Update(dt);
    if (m_hitTimer > 0.0f) {
        m_hitTimer -= dt;
        if (m_hitTimer <= 0.0f) {
            m_hitTimer = 0.0f;
            if (m_hitEmitter) {
                m_hitEmitter->SetEmitting(false);
            }
        }
    }
    if (m_remoteTrailTimer > 0.0f) {
        m_remoteTrailTimer -= dt;
        if (m_remoteTrailTimer <= 0.0f) {
            m_remoteTrailTimer = 0.0f;
            SetDashTrail(false);
        }
    }
    const glm::vec3& at = GetPosition();
    if (m_hitEmitter) {
        m_hitEmitter->SetPosition(at + glm::vec3(0.0f, 1.0f, 0.0f));
        // An emitter with nothing to show has nothing to update or upload.
        if (m_hitEmitter->IsEmitting() || m_hitEmitter->LiveCount() > 0) {
            m_hitEmitter->Update(dt);
        }
    }
    if (m_dashTrail) {
        m_dashTrail->Update(dt, m_moveHeading, at.x, at.y + kTrailHeight, at.z);
    }
    m_frameTime = frameTime;
}
