#include "hitcalc/BoxFrame.h"

#include <cmath>

#include "hitcalc/DoubleMath.h"

namespace IntersectionTests::detail {

std::optional<BoxFrame> MakeBoxFrame(const XMFLOAT3& center, const XMFLOAT3& halfSizes) {
    if (!IsFinite(center) || !IsValidExtent(halfSizes)) {
        return std::nullopt;
    }
    BoxFrame box;
    box.center = ToDouble(center);
    box.half[0] = halfSizes.x;
    box.half[1] = halfSizes.y;
    box.half[2] = halfSizes.z;
    return box;
}

std::optional<BoxFrame> MakeBoxFrame(const XMFLOAT3& center, const XMFLOAT3& halfSizes,
                                     const XMFLOAT4& orientation) {
    std::optional<BoxFrame> box = MakeBoxFrame(center, halfSizes);
    if (!box || !IsFinite(orientation)) {
        return std::nullopt;
    }
    double x = orientation.x;
    double y = orientation.y;
    double z = orientation.z;
    double w = orientation.w;
    const double norm2 = x * x + y * y + z * z + w * w;
    if (norm2 == 0.0) {
        return box;
    }
    const double scale = 1.0 / std::sqrt(norm2);
    x *= scale;
    y *= scale;
    z *= scale;
    w *= scale;
    // The columns of the rotation matrix of q: where q v q* takes the unit vectors of the box's own frame.
    box->axes[0] = {1.0 - 2.0 * (y * y + z * z), 2.0 * (x * y + w * z), 2.0 * (x * z - w * y)};
    box->axes[1] = {2.0 * (x * y - w * z), 1.0 - 2.0 * (x * x + z * z), 2.0 * (y * z + w * x)};
    box->axes[2] = {2.0 * (x * z + w * y), 2.0 * (y * z - w * x), 1.0 - 2.0 * (x * x + y * y)};
    return box;
}

}  // namespace IntersectionTests::detail
