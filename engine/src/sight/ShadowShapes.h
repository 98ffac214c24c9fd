// The sight blockers of the ground plane: the level's static wall lines and their end points, the four edges
// of the map rectangle that bounds the search, and the smoke bombs that block sight while they last. The
// engine keeps one instance; it collects, for the current map rectangle, the lines and points the visibility
// polygon casts its rays against.
#pragma once

#include <vector>

#include "Lumagrid/EngineTypes.h"

namespace Lumaspace {

// A smoke bomb: a square standing on a corner (a diamond) around its centre.
struct SmokeBomb {
    bool active = false;
    Point corners[4];  // top, right, bottom, left
    Line edges[4];     // top->right, right->bottom, bottom->left, left->top
    float elapsed = 0.0f;
    float duration = 0.0f;
};

// The area searched for sight: x1 < x2 and y2 < y1 ((x1, y1) is the top-left corner).
struct MapRectangle {
    float x1 = -1.0f;
    float y1 = 1.0f;
    float x2 = 1.0f;
    float y2 = -1.0f;
};

class ShadowShapes {
public:
    static constexpr float kSmokeBombHalfDiagonal = 3.5f;
    static constexpr float kSmokeBombDuration = 4.5f;

    ShadowShapes();

    // Empties every list and puts the rectangle back to (-1, 1, 1, -1) with its boundary.
    void Reset();
    // Empties the static lines and points; smoke bombs, rectangle and boundary stay.
    void ClearStaticLines();
    // Appends the line and each end point not already held (points are equal when both coordinates are
    // exactly equal). A line whose end points coincide blocks nothing and is not stored.
    void AddStaticLine(const Line& line);
    // Appends an active smoke bomb around the centre, with elapsed time 0 and the standard duration.
    void AddSmokeBomb(Point centre);
    // Ages every smoke bomb by the frame time; a bomb whose elapsed time exceeds its duration expires and is
    // removed, the others keep their order. Returns true when at least one bomb was removed.
    bool Update(float frameTime);
    // Sets the rectangle to (p1.x, p1.y, p2.x, p2.y) and rebuilds the boundary lines and corner points.
    void SetMapRectangle(Point p1, Point p2);
    const MapRectangle& GetMapRectangle() const { return m_rectangle; }

    // Fills the blockers for the current rectangle, in this order. Lines: the four boundary lines, every
    // static line with both end points inside the rectangle or on its edge (a line crossing the edge blocks
    // nothing), the edges of every smoke bomb passing the bomb test. Points: the four boundary corners, every
    // static point strictly inside, the corners of every smoke bomb passing the bomb test. The bomb test
    // keeps a bomb unless its bounding square holds the whole rectangle. Both vectors are cleared first and
    // are not reallocated while their capacity suffices.
    void CollectBlockers(std::vector<Line>& lines, std::vector<Point>& points) const;

    const std::vector<Line>& GetStaticLines() const { return m_staticLines; }
    const std::vector<Point>& GetStaticPoints() const { return m_staticPoints; }
    const std::vector<Line>& GetBoundaryLines() const { return m_boundaryLines; }
    const std::vector<Point>& GetBoundaryPoints() const { return m_boundaryPoints; }
    const std::vector<SmokeBomb>& GetSmokeBombs() const { return m_smokeBombs; }

private:
    bool PassesBombTest(const SmokeBomb& bomb) const;

    MapRectangle m_rectangle;
    std::vector<Line> m_boundaryLines;
    std::vector<Point> m_boundaryPoints;
    std::vector<Line> m_staticLines;
    std::vector<Point> m_staticPoints;
    std::vector<SmokeBomb> m_smokeBombs;
};

}  // namespace Lumaspace
