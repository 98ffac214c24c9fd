#include "sight/PolygonContains.h"

namespace Lumaspace {

bool PolygonContains(std::span<const Point> polygon, Point q) {
    bool inside = false;
    const std::size_t n = polygon.size();
    for (std::size_t j = 0; j < n; ++j) {
        const Point a = polygon[j];
        const Point b = polygon[(j + 1) % n];
        if ((a.y > q.y) == (b.y > q.y)) {
            continue;  // both ends on the same side of q's level: no crossing (horizontal edges included)
        }
        const float u = (q.y - a.y) / (b.y - a.y);
        const float t = a.x + u * (b.x - a.x) - q.x;
        if (t >= 0.0f) {
            inside = !inside;
        }
    }
    return inside;
}

}  // namespace Lumaspace
