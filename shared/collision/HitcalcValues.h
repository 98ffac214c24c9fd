// Our vector values as the value types of the intersection-test interface.
#pragma once

#include "hitcalc/XMFloat.h"
#include "shared/Float3.h"
#include "shared/Float4.h"

inline IntersectionTests::XMFLOAT3 ToXMFloat3(const Float3& v) {
    return {v.x, v.y, v.z};
}

inline IntersectionTests::XMFLOAT4 ToXMFloat4(const Float4& v) {
    return {v.x, v.y, v.z, v.w};
}
