// The even-odd point test of a closed ground-plane polygon.
#pragma once

#include <span>

#include "Lumagrid/EngineTypes.h"

namespace Lumaspace {

// Whether q lies inside the polygon (points in order, the last joined back to the first) by the even-odd rule
// along a ray from q towards +x. An edge counts as crossed when its end points lie on different sides of q's
// level (one strictly above, the other level or below) and it meets the ray at or to the right of q. So a
// horizontal edge, or an edge of zero length, never counts, and a ray through a vertex counts the vertex once
// where the boundary passes through q's level and not at all or twice where it only touches that level.
// An empty polygon holds nothing.
bool PolygonContains(std::span<const Point> polygon, Point q);

}  // namespace Lumaspace
