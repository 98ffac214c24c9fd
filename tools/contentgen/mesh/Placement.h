// Builds placement matrices for primitives: scale first, then a rotation, then a move.
#pragma once

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

// Euler angles in radians: roll about z first, then pitch about x, then yaw about y.
glm::quat EulerRotation(float pitch, float yaw, float roll);

glm::mat4 Place(const glm::vec3& translation, const glm::quat& rotation = glm::quat(1.0f, 0.0f, 0.0f, 0.0f),
                const glm::vec3& scale = glm::vec3(1.0f));

// Turns the local +y axis onto the direction from -> to and moves the local origin to from; local y then
// runs along the segment (its length is not applied).
glm::mat4 PlaceAlong(const glm::vec3& from, const glm::vec3& to);
