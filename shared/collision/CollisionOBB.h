// An oriented box of the server's collision world: a box turned by a quaternion about its centre.
#pragma once

#include <algorithm>
#include <cmath>

#include "shared/Float3.h"
#include "shared/Float4.h"

struct CollisionOBB {
    Float3 center;
    Float3 halfSizes;
    Float4 orientation{0.0f, 0.0f, 0.0f, 1.0f};  // (x, y, z, w); turns the box's axes into world axes
    float radius = 0.0f;                         // sqrt(2) times the largest half-size

    friend bool operator==(const CollisionOBB&, const CollisionOBB&) = default;
};

inline constexpr Float4 kNoRotation{0.0f, 0.0f, 0.0f, 1.0f};

// An oriented box with its radius, sqrt(2 m^2) for the largest half-size m.
inline CollisionOBB MakeCollisionOBB(const Float3& center, const Float3& halfSizes,
                                     const Float4& orientation) {
    const float largest = std::max({halfSizes.x, halfSizes.y, halfSizes.z});
    return CollisionOBB{center, halfSizes, orientation, std::sqrt(2.0f * largest * largest)};
}
