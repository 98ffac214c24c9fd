#include "mesh/Placement.h"

#include <cmath>

glm::quat EulerRotation(float pitch, float yaw, float roll) {
    return glm::angleAxis(yaw, glm::vec3(0.0f, 1.0f, 0.0f)) *
           glm::angleAxis(pitch, glm::vec3(1.0f, 0.0f, 0.0f)) *
           glm::angleAxis(roll, glm::vec3(0.0f, 0.0f, 1.0f));
}

glm::mat4 Place(const glm::vec3& translation, const glm::quat& rotation, const glm::vec3& scale) {
    glm::mat4 m = glm::mat4_cast(rotation);
    m[0] *= scale.x;
    m[1] *= scale.y;
    m[2] *= scale.z;
    m[3] = glm::vec4(translation, 1.0f);
    return m;
}

glm::mat4 PlaceAlong(const glm::vec3& from, const glm::vec3& to) {
    const glm::vec3 up(0.0f, 1.0f, 0.0f);
    const glm::vec3 direction = to - from;
    const float length = glm::length(direction);
    if (length < 1e-8f) {
        return Place(from);
    }
    const glm::vec3 d = direction / length;
    const float cosine = glm::dot(up, d);
    glm::quat rotation(1.0f, 0.0f, 0.0f, 0.0f);
    if (cosine < -0.9999f) {
        rotation = glm::angleAxis(glm::pi<float>(), glm::vec3(1.0f, 0.0f, 0.0f));
    } else if (cosine < 0.9999f) {
        rotation = glm::angleAxis(std::acos(cosine), glm::normalize(glm::cross(up, d)));
    }
    return Place(from, rotation);
}
