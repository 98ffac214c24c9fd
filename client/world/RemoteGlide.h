// How a remote player follows what the server reports: the server's updates arrive every 0.1 s, so each new
// value becomes a target reached in kGlideTime at constant speed, and the player is moved towards it a frame
// at a time. Its motion stays smooth at any frame rate and it never overshoots. The same glide serves the
// position and the facing.
#pragma once

#include <glm/vec3.hpp>

class RemoteGlide {
public:
    static constexpr float kGlideTime = 0.1f;

    // Stands at value: target there, nothing to glide.
    void Reset(const glm::vec3& value);
    // A value received this frame: when it differs from the target, it becomes the target and the speed the
    // distance from current to it divided by kGlideTime. The same value again changes nothing.
    void Receive(const glm::vec3& current, const glm::vec3& received);
    // Where current goes in frameTime seconds: speed x frameTime towards the target, exactly onto the target
    // when that is closer. A non-finite or negative frame time moves nothing.
    glm::vec3 Step(const glm::vec3& current, float frameTime) const;

    const glm::vec3& Target() const { return m_target; }
    float Speed() const { return m_speed; }

private:
    glm::vec3 m_target{0.0f};
    float m_speed = 0.0f;
};
