#include "sight/VisibilityPolygon.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sight/PolygonContains.h"

namespace Lumaspace {

namespace {

// The polygon size (and line count) a busy level reaches; the lists grow beyond it when needed and keep their
// capacity.
constexpr std::size_t kReservedPoints = 600;

}  // namespace

VisibilityPolygon::VisibilityPolygon() {
    m_hits.reserve(kReservedPoints);
    m_directions.reserve(kReservedPoints);
    m_polygon.reserve(kReservedPoints);
    m_fan.reserve(3 * kReservedPoints);
}

void VisibilityPolygon::Compute(Point viewer, std::span<const Line> lines, std::span<const Point> points) {
    m_viewer = viewer;
    m_hits.clear();
    m_directions.clear();
    for (const Line& line : lines) {
        const float sx = line.end.x - line.start.x;
        const float sy = line.end.y - line.start.y;
        const float length = std::sqrt(sx * sx + sy * sy);
        m_directions.push_back(length > 0.0f ? Point{sx / length, sy / length} : Point{0.0f, 0.0f});
    }
    for (const Point q : points) {
        const float theta = std::atan2(q.y - viewer.y, q.x - viewer.x);
        CastRay(theta - kSideRayAngle, lines);
        CastRay(theta, lines);
        CastRay(theta + kSideRayAngle, lines);
    }
    std::sort(m_hits.begin(), m_hits.end(), [](const Hit& a, const Hit& b) { return a.angle > b.angle; });
    m_polygon.clear();
    for (const Hit& hit : m_hits) {
        m_polygon.push_back(hit.point);
    }
    BuildFan();
}

// Intersects the ray from the viewer with every line and keeps the nearest hit. The ray's distance is taken
// from the direction component of larger magnitude: dividing by a component near zero (cos of a nearly
// vertical angle is about 4e-8) would turn rounding in the numerator into a distance many units off.
void VisibilityPolygon::CastRay(float angle, std::span<const Line> lines) {
    const float px = m_viewer.x;
    const float py = m_viewer.y;
    const float dx = std::cos(angle);
    const float dy = std::sin(angle);
    const bool useX = std::fabs(dx) >= std::fabs(dy);
    float nearest = std::numeric_limits<float>::infinity();
    bool hit = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const float x1 = line.start.x;
        const float y1 = line.start.y;
        const float sx = line.end.x - x1;
        const float sy = line.end.y - y1;
        if (sx == 0.0f && sy == 0.0f) {
            continue;  // a point has no direction and blocks nothing
        }
        if (m_directions[i].x == dx && m_directions[i].y == dy) {
            continue;  // the ray runs along the line
        }
        const float denominator = sx * dy - sy * dx;
        if (denominator == 0.0f) {
            continue;  // parallel: no single crossing
        }
        const float u = ((px - x1) * dy + (y1 - py) * dx) / denominator;
        const float t = useX ? (x1 + sx * u - px) / dx : (y1 + sy * u - py) / dy;
        if (std::isfinite(u) && std::isfinite(t) && t >= 0.0f && u >= 0.0f && u <= 1.0f && t < nearest) {
            nearest = t;
            hit = true;
        }
    }
    if (hit) {
        m_hits.push_back({angle, {px + dx * nearest, py + dy * nearest}});
    }
}

void VisibilityPolygon::BuildFan() {
    m_fan.clear();
    const std::size_t n = m_polygon.size();
    const glm::vec3 centre(m_viewer.x, kFanHeight, m_viewer.y);
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = m_polygon[i];
        const Point b = m_polygon[(i + 1) % n];
        m_fan.push_back(centre);
        m_fan.emplace_back(a.x, kFanHeight, a.y);
        m_fan.emplace_back(b.x, kFanHeight, b.y);
    }
}

bool VisibilityPolygon::IsPointVisible(Point q) const {
    return PolygonContains(m_polygon, q);
}

float VisibilityPolygon::AdvanceScroll(float frameTime) {
    m_scroll += frameTime * kScrollSpeed;
    if (m_scroll >= 1.0f) {
        m_scroll -= std::floor(m_scroll);  // one whole width after a normal frame, more after a long stall
    }
    return m_scroll;
}

std::array<Vertex, 6> VisibilityPolygon::OverlayQuad(float scroll) {
    constexpr float w = kOverlayHalfWidth;
    constexpr float d = kOverlayHalfDepth;
    const float left = 0.5f - scroll;
    const float right = 1.0f - scroll;
    const auto corner = [](float x, float z, float u, float v) {
        Vertex vertex;
        vertex.position = {x, kOverlayHeight, z};
        vertex.texcoord = {u, v};
        vertex.normal = {0.0f, 1.0f, 0.0f};
        vertex.tangent = {0.0f, 0.0f, 0.0f};
        return vertex;
    };
    return {corner(-w, d, left, 0.0f),  corner(w, d, right, 0.0f), corner(-w, -d, left, 1.0f),
            corner(-w, -d, left, 1.0f), corner(w, d, right, 0.0f), corner(w, -d, right, 1.0f)};
}

}  // namespace Lumaspace
