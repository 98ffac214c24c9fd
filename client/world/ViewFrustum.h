// The six planes of the camera's view volume, for keeping what lies outside it from costing draw calls.
// Built from the camera's view and projection (left-handed, depth 0..1) with the far plane moved to a given
// distance; a sphere is outside when it lies wholly behind one plane.
#pragma once

#include <array>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

class ViewFrustum {
public:
    // How far the menu, the lobby and the match look.
    static constexpr float kFarDistance = 1000.0f;

    // A frustum that holds everything (no camera yet).
    ViewFrustum();
    // The view volume of projection * view, its far plane at farDistance from the eye (the near plane stays
    // where the projection has it). The projection is a perspective one with depth 0..1.
    static ViewFrustum FromCamera(const glm::mat4& view, const glm::mat4& projection,
                                  float farDistance = kFarDistance);

    // True unless the sphere lies wholly behind one of the planes (touching counts as inside).
    bool ContainsSphere(const glm::vec3& centre, float radius) const;

private:
    // Unit normals pointing into the volume, w the offset: dot(n, p) + w is the distance inside.
    std::array<glm::vec4, 6> m_planes;
};
