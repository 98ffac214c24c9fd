// An oriented box in double precision, the form in which the overlap and ray tests use every box.
#pragma once

#include <optional>

#include <glm/vec3.hpp>

#include "hitcalc/XMFloat.h"

namespace IntersectionTests::detail {

struct BoxFrame {
    glm::dvec3 center{0.0};
    glm::dvec3 axes[3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};  // unit, local x, y, z in world
    double half[3] = {0.0, 0.0, 0.0};
};

// The box turned by the quaternion, normalised first; a zero quaternion leaves the box unturned. Empty when a
// value is not finite or a half-size is negative.
std::optional<BoxFrame> MakeBoxFrame(const XMFLOAT3& center, const XMFLOAT3& halfSizes,
                                     const XMFLOAT4& orientation);

// An axis-aligned box, with the same checks.
std::optional<BoxFrame> MakeBoxFrame(const XMFLOAT3& center, const XMFLOAT3& halfSizes);

}  // namespace IntersectionTests::detail
