#include "client/world/MovingObject.h"

bool MovingObject::Initialize(const std::string& modelPath, const glm::vec3& position,
                              const glm::vec3& direction, float speed) {
    const bool drawable = Object::Initialize(modelPath, position);
    SetDirection(direction);
    SetSpeed(speed);
    return drawable;
}
