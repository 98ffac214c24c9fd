#include "client/app/GroundProjection.h"

#include <algorithm>
#include <cmath>

#include <glm/ext/matrix_double4x4.hpp>
#include <glm/ext/vector_double3.hpp>
#include <glm/ext/vector_double4.hpp>
#include <glm/geometric.hpp>
#include <glm/matrix.hpp>
#include <glm/vec4.hpp>

namespace {

// Below this the ray runs level with the ground.
constexpr double kLevelRay = 1e-9;
// A ground point closer to the player than this (a millimetre) lies on it: the aim has no direction.
constexpr float kNoDirection = 1e-3f;

}  // namespace

std::optional<glm::vec3> GroundUnderPixel(float x, float y, float width, float height, const glm::mat4& view,
                                          const glm::mat4& projection) {
    if (width <= 0.0f || height <= 0.0f) {
        return std::nullopt;
    }
    // In double precision: with the far plane 1000 units away, single precision puts the point under the
    // window's centre a millimetre off the point the camera looks at.
    const double ndcX = 2.0 * x / width - 1.0;
    const double ndcY = 1.0 - 2.0 * y / height;
    const glm::dmat4 toWorld = glm::inverse(glm::dmat4(projection) * glm::dmat4(view));
    const glm::dvec4 nearPoint = toWorld * glm::dvec4(ndcX, ndcY, 0.0, 1.0);
    const glm::dvec4 farPoint = toWorld * glm::dvec4(ndcX, ndcY, 1.0, 1.0);
    if (std::fabs(nearPoint.w) < kLevelRay || std::fabs(farPoint.w) < kLevelRay) {
        return std::nullopt;
    }
    const glm::dvec3 from = glm::dvec3(nearPoint) / nearPoint.w;
    const glm::dvec3 direction = glm::dvec3(farPoint) / farPoint.w - from;
    if (std::fabs(direction.y) < kLevelRay) {
        return std::nullopt;
    }
    const double along = -from.y / direction.y;
    if (along < 0.0 || !std::isfinite(along)) {
        return std::nullopt;
    }
    return glm::vec3(from + direction * along);
}

float ScreenGround::MinX() const {
    return std::min({topLeft.x, topRight.x, bottomRight.x, bottomLeft.x});
}
float ScreenGround::MaxX() const {
    return std::max({topLeft.x, topRight.x, bottomRight.x, bottomLeft.x});
}
float ScreenGround::MinZ() const {
    return std::min({topLeft.z, topRight.z, bottomRight.z, bottomLeft.z});
}
float ScreenGround::MaxZ() const {
    return std::max({topLeft.z, topRight.z, bottomRight.z, bottomLeft.z});
}

ScreenGround GroundOfScreen(float width, float height, const glm::mat4& view, const glm::mat4& projection) {
    ScreenGround ground;
    ground.centre = GroundUnderPixel(width * 0.5f, height * 0.5f, width, height, view, projection)
                        .value_or(glm::vec3(0.0f));
    const auto corner = [&](float x, float y) {
        return GroundUnderPixel(x, y, width, height, view, projection).value_or(ground.centre);
    };
    ground.topLeft = corner(0.0f, 0.0f);
    ground.topRight = corner(width, 0.0f);
    ground.bottomRight = corner(width, height);
    ground.bottomLeft = corner(0.0f, height);
    return ground;
}

VisibilityExtents VisibilityExtentsOf(const ScreenGround& ground) {
    VisibilityExtents extents;
    for (const glm::vec3& corner : {ground.topLeft, ground.topRight, ground.bottomRight, ground.bottomLeft}) {
        extents.horizontal = std::max(extents.horizontal, std::fabs(corner.x - ground.centre.x));
        extents.vertical = std::max(extents.vertical, 1.1f * std::fabs(corner.z - ground.centre.z));
    }
    return extents;
}

glm::vec3 FacingTowards(const glm::vec3& player, const glm::vec3& point, const glm::vec3& previous) {
    const glm::vec3 towards{point.x - player.x, 0.0f, point.z - player.z};
    const float length = glm::length(towards);
    if (!std::isfinite(length) || length < kNoDirection) {
        return previous;
    }
    return towards / length;
}
