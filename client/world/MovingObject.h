// An object that travels: a direction (a unit vector on the ground plane for everything the client makes)
// and a speed in world units per second. What moves it, and how, is up to the kind of object.
#pragma once

#include <string>

#include <glm/vec3.hpp>

#include "client/world/Object.h"

class MovingObject : public Object {
public:
    using Object::Initialize;
    // The two-argument Initialize, then the direction and the speed.
    virtual bool Initialize(const std::string& modelPath, const glm::vec3& position,
                            const glm::vec3& direction, float speed);

    void SetDirection(const glm::vec3& direction) { m_direction = direction; }
    const glm::vec3& GetDirection() const { return m_direction; }
    void SetSpeed(float speed) { m_speed = speed; }
    float GetSpeed() const { return m_speed; }

private:
    glm::vec3 m_direction{0.0f};
    float m_speed = 0.0f;
};
