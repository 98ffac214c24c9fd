#include "shared/collision/ModelPlacement.h"

#include <glm/gtc/quaternion.hpp>
#include <glm/vec3.hpp>

namespace {

glm::quat ToQuat(const Float4& q) {
    glm::quat result;
    result.x = q.x;
    result.y = q.y;
    result.z = q.z;
    result.w = q.w;
    return result;
}

}  // namespace

Float4 RollPitchYawQuaternion(const Float3& angles) {
    const glm::quat pitch = glm::angleAxis(angles.x, glm::vec3(1.0f, 0.0f, 0.0f));
    const glm::quat yaw = glm::angleAxis(angles.y, glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::quat roll = glm::angleAxis(angles.z, glm::vec3(0.0f, 0.0f, 1.0f));
    // In a product of quaternions the right-hand factor turns a vector first.
    const glm::quat q = yaw * pitch * roll;
    return Float4{q.x, q.y, q.z, q.w};
}

Float3 PlaceModelPoint(const Float3& point, const Float4& rotation, const Float3& position) {
    const glm::vec3 turned = ToQuat(rotation) * glm::vec3(point.x, point.y, point.z);
    return Float3{turned.x + position.x, turned.y + position.y, turned.z + position.z};
}
