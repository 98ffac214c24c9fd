// The four yes-or-no overlap tests.
#include <cmath>
#include <optional>

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include "hitcalc/BoxFrame.h"
#include "hitcalc/DoubleMath.h"
#include "hitcalc/Intersections.h"

namespace IntersectionTests {

namespace {

using detail::BoxFrame;

// Below this squared length the cross product of two box edges comes from (nearly) parallel edges. Such an
// axis carries only rounding noise and could report a false gap; the face axes already decide those cases.
constexpr double kParallelAxis2 = 1e-14;

bool IsValidRadius(float r) {
    return detail::IsFinite(r) && r >= 0.0f;
}

// Separating-axis test over the 15 candidate axes: the three face normals of each box and the nine cross
// products of their edges. Everything is expressed in the frame of box a.
bool OrientedBoxesOverlap(const BoxFrame& a, const BoxFrame& b) {
    double r[3][3];
    double absR[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r[i][j] = glm::dot(a.axes[i], b.axes[j]);
            absR[i][j] = std::fabs(r[i][j]);
        }
    }
    const glm::dvec3 offset = b.center - a.center;
    const double t[3] = {glm::dot(offset, a.axes[0]), glm::dot(offset, a.axes[1]),
                         glm::dot(offset, a.axes[2])};

    for (int i = 0; i < 3; ++i) {
        const double rb = b.half[0] * absR[i][0] + b.half[1] * absR[i][1] + b.half[2] * absR[i][2];
        if (std::fabs(t[i]) > a.half[i] + rb) {
            return false;
        }
    }
    for (int j = 0; j < 3; ++j) {
        const double ra = a.half[0] * absR[0][j] + a.half[1] * absR[1][j] + a.half[2] * absR[2][j];
        const double gap = t[0] * r[0][j] + t[1] * r[1][j] + t[2] * r[2][j];
        if (std::fabs(gap) > ra + b.half[j]) {
            return false;
        }
    }
    for (int i = 0; i < 3; ++i) {
        const int i1 = (i + 1) % 3;
        const int i2 = (i + 2) % 3;
        for (int j = 0; j < 3; ++j) {
            if (1.0 - r[i][j] * r[i][j] < kParallelAxis2) {
                continue;
            }
            const int j1 = (j + 1) % 3;
            const int j2 = (j + 2) % 3;
            const double ra = a.half[i1] * absR[i2][j] + a.half[i2] * absR[i1][j];
            const double rb = b.half[j1] * absR[i][j2] + b.half[j2] * absR[i][j1];
            const double gap = t[i2] * r[i1][j] - t[i1] * r[i2][j];
            if (std::fabs(gap) > ra + rb) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool Intersections::SphereSphereCollision(const XMFLOAT3& center1, float radius1, const XMFLOAT3& center2,
                                          float radius2) {
    if (!detail::IsFinite(center1) || !detail::IsFinite(center2) || !IsValidRadius(radius1) ||
        !IsValidRadius(radius2)) {
        return false;
    }
    const glm::dvec3 d = detail::ToDouble(center2) - detail::ToDouble(center1);
    const double reach = static_cast<double>(radius1) + static_cast<double>(radius2);
    return glm::dot(d, d) <= reach * reach;
}

bool Intersections::OBBSphereCollision(const XMFLOAT3& boxCenter, const XMFLOAT3& halfSizes,
                                       const XMFLOAT4& orientation, const XMFLOAT3& sphereCenter,
                                       float radius) {
    const std::optional<BoxFrame> box = detail::MakeBoxFrame(boxCenter, halfSizes, orientation);
    if (!box || !detail::IsFinite(sphereCenter) || !IsValidRadius(radius)) {
        return false;
    }
    // Squared distance from the sphere's centre to the nearest point of the box, axis by axis.
    const glm::dvec3 offset = detail::ToDouble(sphereCenter) - box->center;
    double outside2 = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double excess = std::fabs(glm::dot(offset, box->axes[i])) - box->half[i];
        if (excess > 0.0) {
            outside2 += excess * excess;
        }
    }
    const double r = radius;
    return outside2 <= r * r;
}

bool Intersections::OBBOBBCollision(const XMFLOAT3& center1, const XMFLOAT3& halfSizes1,
                                    const XMFLOAT4& orientation1, const XMFLOAT3& center2,
                                    const XMFLOAT3& halfSizes2, const XMFLOAT4& orientation2) {
    const std::optional<BoxFrame> a = detail::MakeBoxFrame(center1, halfSizes1, orientation1);
    const std::optional<BoxFrame> b = detail::MakeBoxFrame(center2, halfSizes2, orientation2);
    return a && b && OrientedBoxesOverlap(*a, *b);
}

bool Intersections::BoxBoxCollision(const XMFLOAT3& center1, const XMFLOAT3& halfSizes1,
                                    const XMFLOAT3& center2, const XMFLOAT3& halfSizes2) {
    if (!detail::IsFinite(center1) || !detail::IsFinite(center2) || !detail::IsValidExtent(halfSizes1) ||
        !detail::IsValidExtent(halfSizes2)) {
        return false;
    }
    const glm::dvec3 gap = glm::abs(detail::ToDouble(center2) - detail::ToDouble(center1));
    const glm::dvec3 reach = detail::ToDouble(halfSizes1) + detail::ToDouble(halfSizes2);
    return gap.x <= reach.x && gap.y <= reach.y && gap.z <= reach.z;
}

}  // namespace IntersectionTests
