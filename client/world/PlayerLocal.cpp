// Player: the local player's frame. Selecting and firing abilities, the walk, the dash the server starts and
// the reports of where the player went.
#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

#include "Lumagrid/GE.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/SoundSystem.h"
#include "client/world/CollisionManager.h"
#include "client/world/Player.h"
#include "client/world/StickyTrapField.h"
#include "client/world/WalkWithCollision.h"

namespace {

Float3 ToFloat3(const glm::vec3& v) {
    return {v.x, v.y, v.z};
}

glm::vec3 ToVec3(const Float3& v) {
    return {v.x, v.y, v.z};
}

// What a player walks against when the world gives no obstacles.
const CollisionManager& OpenGround() {
    static const CollisionManager none;
    return none;
}

}  // namespace

void Player::UpdateLocal(double frameTime, const PlayerInput& input) {
    m_input = input;
    m_smartCast.Update(input);
    if (m_alive) {
        SelectAndFire(frameTime, input);
        Move(frameTime, input);
    } else {
        m_selected = &m_noAbility;
        SetWalking(false);
    }
    if (m_visibilityStale) {
        UpdateVisibility(frameTime);
    }
    m_sphere.center = ToFloat3(GetPosition());
    m_previousPosition = GetPosition();
    UpdateParts(frameTime);
    AnimatedObject::Update(frameTime);
}

void Player::SelectSpecialAbilities(const PlayerInput& input) {
    const std::pair<const KeyInput*, AbilitySlotIndex> keys[] = {
        {&input.e, AbilitySlotIndex::E}, {&input.q, AbilitySlotIndex::Q}, {&input.r, AbilitySlotIndex::Tool}};
    for (const auto& [key, slot] : keys) {
        if (m_smartCast.Fires(*key) && GetAbility(slot).IsReady()) {
            Select(slot);
        }
    }
}

void Player::Select(AbilitySlotIndex slot) {
    m_selected = &GetAbility(slot);
    m_selectedSlot = slot;
}

void Player::Refuse() {
    m_texts.ShowNotice(FloatingTexts::kCantUseText);
    ++m_refusals;
}

void Player::SelectAndFire(double frameTime, const PlayerInput& input) {
    m_selected = &m_noAbility;
    SelectSpecialAbilities(input);
    if (m_smartCast.Fires(input.rightButton)) {
        if (GetAbility(AbilitySlotIndex::Ranged).IsReady()) {
            Select(AbilitySlotIndex::Ranged);
        } else {
            Refuse();
        }
    }
    if (m_smartCast.Fires(input.leftButton)) {
        if (GetAbility(AbilitySlotIndex::Melee).IsReady()) {
            Select(AbilitySlotIndex::Melee);
        } else {
            Refuse();
        }
    }

    for (const std::unique_ptr<Ability>& ability : m_abilities) {
        ability->Update(frameTime);
    }
    if (m_globalCooldown > 0.0) {
        m_globalCooldown -= frameTime;
    }

    m_aimDistance = AimDistanceTo(input.mouseGround);
    if (HasSelection() && m_globalCooldown <= 0.0 && m_selected->Execute(m_aimDistance)) {
        PlayAndAnnounce(UseAnimation(m_selectedSlot));
        m_globalCooldown = kGlobalCooldownLength;
    }
}

int Player::UseAnimation(AbilitySlotIndex slot) {
    switch (slot) {
        case AbilitySlotIndex::Melee:
            return AnimationAction::kMelee;
        case AbilitySlotIndex::Ranged:
            return AnimationAction::kRange;
        case AbilitySlotIndex::Q:
            return AnimationAction::kSpecial1;
        case AbilitySlotIndex::E:
            return AnimationAction::kSpecial2;
        case AbilitySlotIndex::Tool:
            break;
    }
    return AnimationAction::kTool;
}

void Player::PlayAndAnnounce(int animation) {
    GetAnimation().PlayAction(animation);
    if (m_surroundings.network != nullptr) {
        m_surroundings.network->SendAnimation(animation);
    }
}

float Player::AimDistanceTo(const GroundPoint& mouse) const {
    const glm::vec3& at = GetPosition();
    const glm::vec3 aim(mouse.x - at.x, 0.0f, mouse.z - at.z);
    const float length = glm::length(aim);
    if (aim.x == 0.0f || aim.z == 0.0f || m_surroundings.collision == nullptr) {
        return length;
    }
    const glm::vec3 along = aim / length;
    const CollisionRay ray{ToFloat3(at), ToFloat3(along)};
    return std::min(length, m_surroundings.collision->LevelRayDistance(ray));
}

void Player::Move(double frameTime, const PlayerInput& input) {
    const glm::vec3 walk = WalkDirection(input);
    const bool trapped = m_surroundings.stickyTraps != nullptr &&
                         TouchesAny(m_sphere, m_surroundings.stickyTraps->LandedStickyTraps());
    SetSpeed(CurrentSpeed(m_kind.baseSpeed, GetDirection(), walk, trapped));
    if (m_dash.active) {
        SetWalking(false);
        DashFrame(frameTime);
        GetAnimation().ChooseLegClips(m_dash.active ? m_dash.direction : glm::vec3(0.0f), frameTime);
    } else {
        WalkFrame(frameTime, walk);
    }
}

void Player::StartDash(const glm::vec3& target) {
    const Dash dash = ::StartDash(GetPosition(), target);
    if (!dash.active) {
        EndDash();
        return;
    }
    m_dash = dash;
    SetDashTrail(true);
}

void Player::DashFrame(double frameTime) {
    const CollisionManager* obstacles = m_surroundings.collision;
    const Float3 end{m_sphere.center.x + m_dash.direction.x * m_dash.remaining, m_sphere.center.y,
                     m_sphere.center.z + m_dash.direction.z * m_dash.remaining};
    if (obstacles != nullptr && obstacles->IsBlocked(end, kPlayerSphereRadius)) {
        EndDash();
        return;
    }
    const DashStep step = NextDashStep(m_dash, GetSpeed(), static_cast<float>(frameTime));
    m_dash.remaining -= step.distance;
    MoveTo(GetPosition() + m_dash.direction * step.distance, frameTime);
    if (step.ends) {
        EndDash();
    }
    UpdateVisibility(frameTime);
    ReportPosition();
}

void Player::EndDash() {
    m_dash = Dash{};
    SetDashTrail(false);
    if (m_surroundings.network != nullptr) {
        m_surroundings.network->SendAnimation(AnimationAction::kNone);
    }
}

void Player::WalkFrame(double frameTime, const glm::vec3& walk) {
    if (walk == glm::vec3(0.0f)) {
        SetWalking(false);
        GetAnimation().ChooseLegClips(walk, frameTime);
        return;
    }
    WalkInput step;
    step.walk = WalkState{ToFloat3(GetPosition()), ToFloat3(walk)};
    step.speed = GetSpeed();
    step.frameTime = static_cast<float>(frameTime);
    step.sphere = m_sphere;
    if (!m_body.boxes.empty()) {
        step.body = m_body.boxes.front();
    }
    const CollisionManager& obstacles =
        m_surroundings.collision != nullptr ? *m_surroundings.collision : OpenGround();
    const WalkState walked = MoveWithCollision(obstacles, step);
    MoveTo(ToVec3(walked.position), frameTime);
    UpdateVisibility(frameTime);
    SetWalking(true);
    ReportPosition();
    GetAnimation().ChooseLegClips(ToVec3(walked.direction), frameTime);
}

void Player::SetWalking(bool walking) {
    SoundSystem* sound = m_surroundings.sound;
    if (walking && sound != nullptr && m_walkingSound) {
        sound->SetSoundPosition(m_walkingSound, GetPosition());
    }
    if (walking == m_walking) {
        return;
    }
    m_walking = walking;
    if (sound != nullptr && m_walkingSound) {
        sound->PauseSound(m_walkingSound, !walking);
    }
}

void Player::Place(const glm::vec3& position) {
    MoveTo(position, 0.0);
    m_sphere.center = ToFloat3(position);
    m_previousPosition = position;
    m_reporter.Place(position);
    if (m_identity.local && m_surroundings.network != nullptr) {
        m_surroundings.network->SetLocalPosition({position.x, position.y, position.z});
    }
    m_visibilityStale = true;
}

void Player::ReportPosition() {
    if (m_identity.local && m_surroundings.network != nullptr) {
        m_reporter.Report(*m_surroundings.network, GetPosition());
    }
}

void Player::UpdateVisibility(double frameTime) {
    m_visibilityStale = false;
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine != nullptr) {
        const glm::vec3& at = GetPosition();
        engine->UpdateVisibilityPolygon(Lumaspace::Point{at.x, at.z}, static_cast<float>(frameTime));
    }
}
