#include "server/FlightTime.h"

#include <algorithm>
#include <cmath>

float ThrowFlightTime(const GroundPoint& start, const GroundPoint& target) {
    const double dx = static_cast<double>(target.x) - static_cast<double>(start.x);
    const double dz = static_cast<double>(target.z) - static_cast<double>(start.z);
    const double distance = std::sqrt(dx * dx + dz * dz);
    // 0 / 0 at the thrower's own spot; an infinite distance has no flight.
    if (!(distance > 0.0) || !std::isfinite(distance)) {
        return 0.0f;
    }
    const double angle =
        0.5 * std::asin(std::min(1.0, kThrowGravity * distance / (kThrowSpeed * kThrowSpeed)));
    const double speed = std::sqrt(kThrowGravity * distance / std::sin(2.0 * angle));
    return static_cast<float>(distance / (std::cos(angle) * speed));
}
