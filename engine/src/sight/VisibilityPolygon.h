// The line-of-sight polygon around the viewing player on the ground plane: rays from the viewer towards every
// blocker corner (and just beside it) stop at the nearest blocker line, and the hits, sorted by angle,
// outline what the viewer sees. This class holds the geometry only: the polygon, its triangle fan for the
// visibility texture, the point test, and the scroll and vertices of the darkening overlay; the back ends
// draw them.
#pragma once

#include <array>
#include <span>
#include <vector>

#include <glm/vec3.hpp>

#include "Lumagrid/EngineTypes.h"

namespace Lumaspace {

class VisibilityPolygon {
public:
    static constexpr float kFanHeight = 0.2f;
    static constexpr float kOverlayHeight = 0.1f;
    static constexpr float kOverlayHalfWidth = 45.0f;  // world x
    static constexpr float kOverlayHalfDepth = 52.0f;  // world z
    static constexpr float kScrollSpeed = 0.0025f;     // texture widths per second
    static constexpr float kSideRayAngle = 0.00001f;   // radians either side of a corner

    VisibilityPolygon();

    // Recomputes the polygon seen from the viewer. For each point, in order, three rays (at the point's angle
    // and kSideRayAngle either side) stop at the nearest line they hit (on equal distance the earlier line);
    // a ray that hits nothing adds no point. The hits are sorted by descending angle, and the fan is rebuilt:
    // one triangle (viewer, p[i], p[i+1]) per polygon point, the last closing back to p[0], at kFanHeight.
    // An empty polygon gives an empty fan. Lines of zero length block nothing.
    void Compute(Point viewer, std::span<const Line> lines, std::span<const Point> points);

    const std::vector<Point>& GetPolygon() const { return m_polygon; }
    // The polygon as a triangle list, world (x, kFanHeight, z): 3 vertices per polygon point.
    const std::vector<glm::vec3>& GetFan() const { return m_fan; }
    Point GetViewer() const { return m_viewer; }
    // Whether q lies inside the current polygon (PolygonContains); false for an empty polygon.
    bool IsPointVisible(Point q) const;

    // Moves the overlay texture sideways by the frame time and returns the new scroll, kept in [0, 1).
    float AdvanceScroll(float frameTime);
    float GetScroll() const { return m_scroll; }
    // The overlay's two triangles over the arena at kOverlayHeight, facing up, u shifted by the scroll.
    static std::array<Vertex, 6> OverlayQuad(float scroll);

private:
    struct Hit {
        float angle = 0.0f;
        Point point;
    };

    void CastRay(float angle, std::span<const Line> lines);
    void BuildFan();

    Point m_viewer;
    std::vector<Point> m_directions;  // unit direction of each line of the current Compute
    std::vector<Hit> m_hits;
    std::vector<Point> m_polygon;
    std::vector<glm::vec3> m_fan;
    float m_scroll = 0.0f;
};

}  // namespace Lumaspace
