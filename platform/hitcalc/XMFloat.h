// The vector values at the intersection-test interface: three floats (x, y, z) and four floats (a quaternion
// x, y, z, w, or a ray direction whose fourth component is not used).
#pragma once

namespace IntersectionTests {

struct XMFLOAT3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct XMFLOAT4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;
};

}  // namespace IntersectionTests
