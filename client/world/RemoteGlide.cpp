#include "client/world/RemoteGlide.h"

#include <cmath>

#include <glm/geometric.hpp>

namespace {

constexpr float kLandingSlack = 1.0001f;

}  // namespace

void RemoteGlide::Reset(const glm::vec3& value) {
    m_target = value;
    m_speed = 0.0f;
}

void RemoteGlide::Receive(const glm::vec3& current, const glm::vec3& received) {
    if (received == m_target) {
        return;
    }
    m_target = received;
    m_speed = glm::length(received - current) / kGlideTime;
}

glm::vec3 RemoteGlide::Step(const glm::vec3& current, float frameTime) const {
    if (!(frameTime >= 0.0f) || !std::isfinite(frameTime)) {
        return current;
    }
    const glm::vec3 toTarget = m_target - current;
    const float distance = glm::length(toTarget);
    const float step = m_speed * frameTime;
    // A step that falls short of the target by rounding alone lands on it: the glide takes kGlideTime.
    if (!(distance > step * kLandingSlack) || !std::isfinite(step)) {
        return m_target;
    }
    return current + toTarget * (step / distance);
}
