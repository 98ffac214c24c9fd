// The path of one kunai of a volley: it leaves the start, rises and falls on a sine arc while it crosses the
// ground to its target in a fixed flight time, rests at the target for half a second, then is finished.
// A volley is nine of them from one start: one at the aimed point and eight on a circle round it.
#pragma once

#include <array>

#include <glm/vec3.hpp>

class VolleyFlight {
public:
    // The arc's constant: the flight time is 2k / 3.5 and the arc height 15k.
    static constexpr float kArc = 15.0f / 7.0f;
    static constexpr float kFlightTime = 2.0f * kArc / 3.5f;
    static constexpr float kArcHeight = kArc * 15.0f;
    static constexpr float kRestTime = 0.5f;
    static constexpr float kRestHeight = 0.3f;
    static constexpr float kCircleRadius = 1.5f;
    static constexpr int kKunaiCount = 9;

    VolleyFlight() = default;
    // A kunai aimed at its own start has no direction and no speed: it rises and falls where it is.
    VolleyFlight(const glm::vec3& start, const glm::vec3& target);

    // The aimed point first, then the circle at the angles i * pi / 4.
    static std::array<glm::vec3, kKunaiCount> Targets(const glm::vec3& aimed);

    // Where the kunai is t seconds into the volley.
    glm::vec3 PositionAt(float t) const;
    bool FinishedAt(float t) const { return t > kFlightTime + kRestTime; }

    const glm::vec3& GetDirection() const { return m_direction; }
    float GetHorizontalSpeed() const { return m_speed; }

private:
    glm::vec3 m_start{0.0f};
    glm::vec3 m_target{0.0f};
    glm::vec3 m_direction{0.0f};
    float m_speed = 0.0f;
};

// The kunai's nose along its motion since the previous frame: pitch -atan2(dy, horizontal distance) and
// yaw atan2(dx, dz), as a rotation (pitch, yaw, 0). No motion keeps no turn.
glm::vec3 HeadingOfMotion(const glm::vec3& from, const glm::vec3& to);
