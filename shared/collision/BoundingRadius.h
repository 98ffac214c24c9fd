// The radius of a sphere about a box's centre that holds the whole box.
//
// A box's radius field (sqrt(2) times the largest half-size) does not reach the corners of a box whose other
// half-sizes are close to the largest one, a cube say; the length of the half-size vector always does. The
// larger of the two is used, so that a caller's larger radius is kept.
#pragma once

#include <cmath>

#include "shared/Float3.h"

inline float BoundingRadius(float radius, const Float3& halfSizes) {
    const float corner =
        std::sqrt(halfSizes.x * halfSizes.x + halfSizes.y * halfSizes.y + halfSizes.z * halfSizes.z);
    return corner > radius ? corner : radius;
}
