// Test support for the sight tests: the blockers, the collected lists and the polygon, driven as the engine
// drives them (collect for the current rectangle, then compute around the viewer).
#pragma once

#include <vector>

#include "sight/ShadowShapes.h"
#include "sight/VisibilityPolygon.h"

namespace Lumaspace {

struct SightScene {
    ShadowShapes shapes;
    VisibilityPolygon polygon;
    std::vector<Line> lines;
    std::vector<Point> points;

    void Compute(Point viewer) {
        shapes.CollectBlockers(lines, points);
        polygon.Compute(viewer, lines, points);
    }
};

}  // namespace Lumaspace
