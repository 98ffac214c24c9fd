#include "client/world/effects/ThrownTrap.h"

#include "client/ui/TrailRenderer.h"
#include "client/world/effects/EntityTrail.h"

ThrownTrap::ThrownTrap(int id, const glm::vec3& start, const glm::vec3& target, const char* carrierModel,
                       const glm::vec4& trailColour, const char* trailFailure)
    : m_id(id),
      m_arc(start, target, ThrownArc::kTrapSpeed, ThrownArc::kTrapHeightScale),
      m_trail(MakeEntityTrail(trailColour, trailFailure)) {
    m_carrier.Initialize(carrierModel, start);
}

void ThrownTrap::Update(float dt) {
    m_age += dt;
    if (!m_inFlight) {
        UpdateLanded(dt);
        return;
    }
    if (m_arc.LandedAt(m_age)) {
        m_trail.reset();
        m_age = 0.0f;
        m_inFlight = false;
        m_carrier.SetPosition(m_arc.GetTarget());
        Land(dt);
        return;
    }
    const glm::vec3 position = m_arc.PositionAt(m_age);
    m_carrier.SetPosition(position);
    if (m_trail != nullptr) {
        m_trail->Update(dt, HeadingOf(m_arc.GetDirection()), position.x, position.y, position.z);
    }
}

void ThrownTrap::Render(TrailRenderer* trails, ParticleRenderer* particles) {
    if (!m_inFlight) {
        RenderLanded(particles);
        return;
    }
    m_carrier.Render();
    if (m_trail != nullptr && trails != nullptr) {
        m_trail->Render(*trails);
    }
}

void ThrownTrap::RenderDepth() {
    if (m_inFlight) {
        m_carrier.RenderDepth();
    } else {
        RenderLandedDepth();
    }
}
