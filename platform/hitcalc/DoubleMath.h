// Input checks and the conversion to double precision that every test starts with. Working in double keeps
// the products of any finite float inputs finite and the rounding far below float resolution.
#pragma once

#include <cmath>

#include <glm/vec3.hpp>

#include "hitcalc/XMFloat.h"

namespace IntersectionTests::detail {

inline bool IsFinite(float v) {
    return std::isfinite(v);
}
inline bool IsFinite(const XMFLOAT3& v) {
    return IsFinite(v.x) && IsFinite(v.y) && IsFinite(v.z);
}
inline bool IsFinite(const XMFLOAT4& v) {
    return IsFinite(v.x) && IsFinite(v.y) && IsFinite(v.z) && IsFinite(v.w);
}

// Half-sizes that describe a (possibly flat) box rather than an empty one.
inline bool IsValidExtent(const XMFLOAT3& h) {
    return IsFinite(h) && h.x >= 0.0f && h.y >= 0.0f && h.z >= 0.0f;
}

inline glm::dvec3 ToDouble(const XMFLOAT3& v) {
    return {v.x, v.y, v.z};
}

}  // namespace IntersectionTests::detail
