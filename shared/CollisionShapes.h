// The collision volumes that model files carry and that the collision code of both programs tests.
#pragma once

#include <algorithm>
#include <cmath>

#include "shared/Float3.h"

// An axis-aligned box. The radius is that of the circle round a square with the largest half-size, a cheap
// first test before the exact one.
struct CollisionBox {
    Float3 center;
    Float3 halfSizes;
    float radius = 0.0f;

    friend bool operator==(const CollisionBox&, const CollisionBox&) = default;
};

struct CollisionSphere {
    Float3 center;
    float radius = 0.0f;

    friend bool operator==(const CollisionSphere&, const CollisionSphere&) = default;
};

// A box with its radius: sqrt(2) times the largest half-size.
inline CollisionBox MakeCollisionBox(const Float3& center, const Float3& halfSizes) {
    const float largest = std::max({halfSizes.x, halfSizes.y, halfSizes.z});
    return CollisionBox{center, halfSizes, std::sqrt(2.0f) * largest};
}
