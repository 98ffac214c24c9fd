// The flight of a thrown trap or grenade from its start to its target: a ballistic arc whose launch angle
// makes a throw of speed v land at the target's ground distance, drawn with its height exaggerated by a
// multiplier (the drawn arc is a picture; where the throw lands is the target either way).
//
// The launch angle is half the arcsine of d * g / v^2; a throw farther than the speed reaches (argument
// above 1) takes the widest angle, 45 degrees, and still lands. A throw at its own start has no direction
// (0, 0, 0) and lands at once.
#pragma once

#include <glm/vec3.hpp>

class ThrownArc {
public:
    static constexpr float kGravity = 9.82f;
    // Smoke bombs, caltrop bags and sticky trap jars.
    static constexpr float kTrapSpeed = 30.0f;
    static constexpr float kTrapHeightScale = 30.0f;
    // The flash bang.
    static constexpr float kFlashBangSpeed = 20.0f;
    static constexpr float kFlashBangHeightScale = 5.0f;

    ThrownArc() = default;
    ThrownArc(const glm::vec3& start, const glm::vec3& target, float speed, float heightScale);

    // Where the throw is t seconds after it left the hand.
    glm::vec3 PositionAt(float t) const;
    // The height term has turned negative: the throw is on the ground.
    bool LandedAt(float t) const;

    const glm::vec3& GetStart() const { return m_start; }
    const glm::vec3& GetTarget() const { return m_target; }
    // The unit ground direction from start to target; zero for a throw at its own start.
    const glm::vec3& GetDirection() const { return m_direction; }
    float GetLaunchAngle() const { return m_angle; }

private:
    float HeightTerm(float t) const;

    glm::vec3 m_start{0.0f};
    glm::vec3 m_target{0.0f};
    glm::vec3 m_direction{0.0f};
    float m_speed = kTrapSpeed;
    float m_heightScale = kTrapHeightScale;
    float m_angle = 0.0f;
};
