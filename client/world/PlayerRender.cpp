// Player: what it shows besides its model. The outline passes, the markers, ring, light, hit emitter and
// trails of the effect passes, and the health bar and texts over its head.
#include <cmath>

#include <glm/ext/matrix_transform.hpp>
#include <glm/vec4.hpp>

#include "Lumagrid/GE.h"
#include "client/ui/ParticleEmitter.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/Trail.h"
#include "client/ui/TrailRenderer.h"
#include "client/world/Model.h"
#include "client/world/Player.h"
#include "client/world/abilities/AimMarkers.h"
#include "protocol/GameFacts.h"

glm::vec4 Player::TeamOutlineColour(int team) {
    if (team == kRedTeam) {
        return {1.0f, 0.0f, 0.0f, 1.0f};
    }
    if (team == kBlueTeam) {
        return {0.0f, 0.0f, 1.0f, 1.0f};
    }
    return {1.0f, 1.0f, 1.0f, 1.0f};
}

void Player::RenderOutlineDepth() const {
    if (!HasGraphics()) {
        return;
    }
    const Model& model = *GetModel();
    Lumaspace::GE::GetInstance()->RenderAnimatedOutliningDepth(
        model.GetBuffer(), model.GetVertexCount(), GetWorldMatrix(), GetAnimation().GetJointMatrices());
}

void Player::RenderOutline(const glm::vec4& colour) const {
    if (!HasGraphics()) {
        return;
    }
    const Model& model = *GetModel();
    const glm::mat4 grown = glm::scale(GetWorldMatrix(), glm::vec3(kOutlineScale));
    Lumaspace::GE::GetInstance()->RenderAnimatedOutlining(model.GetBuffer(), model.GetVertexCount(), grown,
                                                          GetAnimation().GetJointMatrices(), colour);
}

void Player::UpdateAimMarkers() {
    if (!m_markers) {
        return;
    }
    m_markers->Clear();
    if (m_surroundings.collision == nullptr || !m_alive) {
        return;
    }
    const std::pair<const KeyInput*, AbilitySlotIndex> keys[] = {
        {&m_input.leftButton, AbilitySlotIndex::Melee},
        {&m_input.rightButton, AbilitySlotIndex::Ranged},
        {&m_input.q, AbilitySlotIndex::Q},
        {&m_input.e, AbilitySlotIndex::E},
        {&m_input.r, AbilitySlotIndex::Tool}};
    for (const auto& [key, slot] : keys) {
        if (m_smartCast.ShowsMarker(*key) &&
            !m_markers->Show(GetAbility(slot), GetPosition(), *m_surroundings.collision)) {
            Refuse();
        }
    }
}

void Player::RenderEffects(ParticleRenderer& particles, TrailRenderer& trails) {
    if (m_alive) {
        if (m_identity.local) {
            UpdateAimMarkers();
            if (m_markers) {
                for (const ParticleMarker& marker : m_markers->Markers()) {
                    particles.QueueMarker(marker);
                }
            }
        }
        if (m_teamRing != nullptr) {
            const glm::mat4 ring = glm::scale(
                glm::translate(glm::mat4(1.0f), GetPosition() + glm::vec3(0.0f, kRingHeight, 0.0f)),
                glm::vec3(kTeamRingScale));
            particles.QueueMarker(
                {m_teamRing->GetBuffer(), m_teamRing->GetVertexCount(), ring, m_teamRing->GetTexture()});
        }
        Lumaspace::PointLight light;
        light.diffuse = {kLightColour, kLightColour, kLightColour, 0.0f};
        light.position = GetPosition() + glm::vec3(0.0f, kLightHeight, 0.0f);
        light.range = kLightRange;
        if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated()) {
            engine->AddNewPointLight(light);
        }
        particles.QueueEmitter(m_hitEmitter.get());
    }
    if (m_weaponTrail) {
        // The pose of this frame was evaluated in the depth pass: the trail follows its trail joint.
        const AnimationState& animation = GetAnimation();
        if (animation.IsTrailValid()) {
            m_weaponTrail->StartEmitting();
            const glm::vec3 at = glm::vec3(GetWorldMatrix() * glm::vec4(animation.GetTrailPosition(), 1.0f));
            m_weaponTrail->Update(static_cast<float>(m_frameTime), animation.GetTrailHeading(), at.x, at.y,
                                  at.z);
        } else {
            m_weaponTrail->StopEmitting();
            const glm::vec3& at = GetPosition();
            m_weaponTrail->Update(static_cast<float>(m_frameTime), m_moveHeading, at.x, at.y, at.z);
        }
        m_weaponTrail->Render(trails);
    }
    if (m_dashTrail) {
        m_dashTrail->Render(trails);
    }
}

void Player::UpdateOverlays(const ScreenProjection& screen) {
    const glm::vec3 head = GetPosition() + glm::vec3(0.0f, kHeadHeight, 0.0f);
    m_healthBar.Update(head, screen, m_health, m_maxHealth);
    const glm::vec4 clip = screen.projection * screen.view * glm::vec4(head, 1.0f);
    const bool onScreen = clip.w > 0.0f && std::isfinite(clip.x / clip.w) && std::isfinite(clip.y / clip.w);
    if (!onScreen) {
        m_texts.Place(0.0f, 0.0f, false);
        return;
    }
    m_texts.Place(clip.x / clip.w * screen.windowWidth / 2.0f, clip.y / clip.w * screen.windowHeight / 2.0f,
                  true);
}

void Player::RenderOverlays(bool matchOver) const {
    m_healthBar.Render(matchOver);
    if (!matchOver) {
        m_texts.Render();
    }
}

std::array<AbilityReading, AbilityBar::kSlotCount> Player::AbilityReadings() const {
    // The bar's order: melee (M1), ranged (M2), Q, E, tool (R).
    const AbilitySlotIndex order[AbilityBar::kSlotCount] = {AbilitySlotIndex::Melee, AbilitySlotIndex::Ranged,
                                                            AbilitySlotIndex::Q, AbilitySlotIndex::E,
                                                            AbilitySlotIndex::Tool};
    std::array<AbilityReading, AbilityBar::kSlotCount> readings{};
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::unique_ptr<Ability>& ability = m_abilities[static_cast<std::size_t>(order[i])];
        if (!ability) {
            continue;
        }
        readings[i].cooldownLeft = static_cast<float>(std::max(ability->GetCooldown(), 0.0));
        readings[i].cooldownTotal = ability->GetCooldownLength();
        readings[i].charges = ability->GetCharges();
    }
    return readings;
}
