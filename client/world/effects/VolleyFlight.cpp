#include "client/world/effects/VolleyFlight.h"

#include <cmath>
#include <numbers>

#include <glm/geometric.hpp>

namespace {

constexpr float kArcFrequency = 3.14f / VolleyFlight::kFlightTime;

}  // namespace

VolleyFlight::VolleyFlight(const glm::vec3& start, const glm::vec3& target)
    : m_start(start), m_target(target) {
    const glm::vec3 ground(target.x - start.x, 0.0f, target.z - start.z);
    const float distance = glm::length(ground);
    if (distance > 0.0f) {
        m_direction = ground / distance;
        m_speed = distance / kFlightTime;
    }
}

std::array<glm::vec3, VolleyFlight::kKunaiCount> VolleyFlight::Targets(const glm::vec3& aimed) {
    std::array<glm::vec3, kKunaiCount> targets{};
    targets[0] = aimed;
    for (int i = 0; i < kKunaiCount - 1; ++i) {
        const float angle = static_cast<float>(i) * std::numbers::pi_v<float> / 4.0f;
        targets[static_cast<std::size_t>(i) + 1] =
            aimed + glm::vec3(std::cos(angle), 0.0f, std::sin(angle)) * kCircleRadius;
    }
    return targets;
}

glm::vec3 VolleyFlight::PositionAt(float t) const {
    if (t > kFlightTime) {
        return {m_target.x, kRestHeight, m_target.z};
    }
    const glm::vec3 along = m_direction * (m_speed * t);
    return {m_start.x + along.x, m_start.y + std::sin(kArcFrequency * t) * kArcHeight, m_start.z + along.z};
}

glm::vec3 HeadingOfMotion(const glm::vec3& from, const glm::vec3& to) {
    const glm::vec3 delta = to - from;
    const float horizontal = std::sqrt(delta.x * delta.x + delta.z * delta.z);
    if (horizontal == 0.0f && delta.y == 0.0f) {
        return glm::vec3(0.0f);
    }
    return {-std::atan2(delta.y, horizontal), std::atan2(delta.x, delta.z), 0.0f};
}
