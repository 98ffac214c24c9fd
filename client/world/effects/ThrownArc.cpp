#include "client/world/effects/ThrownArc.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

ThrownArc::ThrownArc(const glm::vec3& start, const glm::vec3& target, float speed, float heightScale)
    : m_start(start), m_target(target), m_speed(speed), m_heightScale(heightScale) {
    const glm::vec3 ground(target.x - start.x, 0.0f, target.z - start.z);
    const float distance = glm::length(ground);
    if (distance > 0.0f) {
        m_direction = ground / distance;
    }
    const float reach = std::min(distance * kGravity / (speed * speed), 1.0f);
    m_angle = 0.5f * std::asin(reach);
}

float ThrownArc::HeightTerm(float t) const {
    return m_speed * t * std::sin(m_angle) - 0.5f * kGravity * t * t;
}

glm::vec3 ThrownArc::PositionAt(float t) const {
    const float along = m_speed * t * std::cos(m_angle);
    return {m_start.x + m_direction.x * along, m_start.y + m_heightScale * HeightTerm(t),
            m_start.z + m_direction.z * along};
}

bool ThrownArc::LandedAt(float t) const {
    return HeightTerm(t) < 0.0f;
}
