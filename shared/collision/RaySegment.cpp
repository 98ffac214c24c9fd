#include "shared/collision/RaySegment.h"

#include <cmath>

namespace {

// Absolute and relative slack of ComesNear, far above double rounding of game-sized coordinates.
constexpr double kAbsoluteSlack = 1e-4;
constexpr double kRelativeSlack = 1e-6;

}  // namespace

RaySegment::RaySegment(const Float3& origin, const Float3& direction, float length) {
    const double d[3] = {direction.x, direction.y, direction.z};
    const double size = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    m_valid = std::isfinite(origin.x) && std::isfinite(origin.y) && std::isfinite(origin.z) &&
              std::isfinite(size) && size > 0.0;
    if (!m_valid) {
        return;
    }
    m_origin[0] = origin.x;
    m_origin[1] = origin.y;
    m_origin[2] = origin.z;
    for (int i = 0; i < 3; ++i) {
        m_unit[i] = d[i] / size;
    }
    SetLength(length);
}

void RaySegment::SetLength(float length) {
    m_length = length;
    m_valid = m_valid && length >= 0.0f;
}

bool RaySegment::ComesNear(const Float3& center, float radius) const {
    if (!m_valid) {
        return false;
    }
    const double offset[3] = {center.x - m_origin[0], center.y - m_origin[1], center.z - m_origin[2]};
    double along = offset[0] * m_unit[0] + offset[1] * m_unit[1] + offset[2] * m_unit[2];
    along = along < 0.0 ? 0.0 : (along > m_length ? m_length : along);
    double gap2 = 0.0;
    double scale = m_length;
    for (int i = 0; i < 3; ++i) {
        const double gap = offset[i] - along * m_unit[i];
        gap2 += gap * gap;
        scale += std::fabs(offset[i]);
    }
    const double reach = static_cast<double>(radius) + kAbsoluteSlack + kRelativeSlack * scale;
    return reach >= 0.0 && gap2 <= reach * reach;
}
