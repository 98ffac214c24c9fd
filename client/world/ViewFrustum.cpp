#include "client/world/ViewFrustum.h"

#include <glm/geometric.hpp>

ViewFrustum::ViewFrustum() {
    // Planes that nothing lies behind.
    m_planes.fill(glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
}

ViewFrustum ViewFrustum::FromCamera(const glm::mat4& view, const glm::mat4& projection, float farDistance) {
    // A depth 0..1 perspective keeps its near distance in the depth terms: z' = a z + b with a = f / (f - n)
    // and b = -a n. Moving the far plane to farDistance rewrites a and b for the same near distance.
    glm::mat4 limited = projection;
    const float a = projection[2][2];
    const float b = projection[3][2];
    if (a != 0.0f && farDistance > 0.0f) {
        const float nearDistance = -b / a;
        if (farDistance > nearDistance) {
            const float r = farDistance / (farDistance - nearDistance);
            limited[2][2] = r;
            limited[3][2] = -r * nearDistance;
        }
    }

    // The planes of clip space (-w <= x <= w, -w <= y <= w, 0 <= z <= w) taken back to world space through
    // the rows of the combined matrix.
    const glm::mat4 m = limited * view;
    const auto row = [&m](int i) { return glm::vec4(m[0][i], m[1][i], m[2][i], m[3][i]); };
    ViewFrustum frustum;
    frustum.m_planes = {row(3) + row(0), row(3) - row(0), row(3) + row(1),
                        row(3) - row(1), row(2),          row(3) - row(2)};
    for (glm::vec4& plane : frustum.m_planes) {
        const float length = glm::length(glm::vec3(plane));
        if (length > 0.0f) {
            plane /= length;
        }
    }
    return frustum;
}

bool ViewFrustum::ContainsSphere(const glm::vec3& centre, float radius) const {
    for (const glm::vec4& plane : m_planes) {
        if (glm::dot(glm::vec3(plane), centre) + plane.w < -radius) {
            return false;
        }
    }
    return true;
}
