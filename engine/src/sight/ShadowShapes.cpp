#include "sight/ShadowShapes.h"

#include <algorithm>

namespace Lumaspace {

namespace {

bool SamePoint(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}

// Inside the rectangle or on its edge.
bool InsideOrOnEdge(const MapRectangle& r, Point p) {
    return r.x1 <= p.x && p.x <= r.x2 && r.y2 <= p.y && p.y <= r.y1;
}

bool StrictlyInside(const MapRectangle& r, Point p) {
    return r.x1 < p.x && p.x < r.x2 && r.y2 < p.y && p.y < r.y1;
}

}  // namespace

ShadowShapes::ShadowShapes() {
    m_boundaryLines.reserve(4);
    m_boundaryPoints.reserve(4);
    Reset();
}

void ShadowShapes::Reset() {
    m_staticLines.clear();
    m_staticPoints.clear();
    m_smokeBombs.clear();
    const MapRectangle initial;
    SetMapRectangle({initial.x1, initial.y1}, {initial.x2, initial.y2});
}

void ShadowShapes::ClearStaticLines() {
    m_staticLines.clear();
    m_staticPoints.clear();
}

void ShadowShapes::AddStaticLine(const Line& line) {
    if (SamePoint(line.start, line.end)) {
        return;
    }
    m_staticLines.push_back(line);
    for (const Point end : {line.start, line.end}) {
        const bool known = std::any_of(m_staticPoints.begin(), m_staticPoints.end(),
                                       [end](Point p) { return SamePoint(p, end); });
        if (!known) {
            m_staticPoints.push_back(end);
        }
    }
}

void ShadowShapes::AddSmokeBomb(Point centre) {
    constexpr float h = kSmokeBombHalfDiagonal;
    SmokeBomb bomb;
    bomb.active = true;
    bomb.corners[0] = {centre.x, centre.y + h};
    bomb.corners[1] = {centre.x + h, centre.y};
    bomb.corners[2] = {centre.x, centre.y - h};
    bomb.corners[3] = {centre.x - h, centre.y};
    for (int i = 0; i < 4; ++i) {
        bomb.edges[i] = {bomb.corners[i], bomb.corners[(i + 1) % 4]};
    }
    bomb.elapsed = 0.0f;
    bomb.duration = kSmokeBombDuration;
    m_smokeBombs.push_back(bomb);
}

bool ShadowShapes::Update(float frameTime) {
    for (SmokeBomb& bomb : m_smokeBombs) {
        bomb.elapsed += frameTime;
        if (bomb.elapsed > bomb.duration) {
            bomb.active = false;
        }
    }
    return std::erase_if(m_smokeBombs, [](const SmokeBomb& bomb) { return !bomb.active; }) > 0;
}

void ShadowShapes::SetMapRectangle(Point p1, Point p2) {
    m_rectangle = {p1.x, p1.y, p2.x, p2.y};
    const MapRectangle& r = m_rectangle;
    m_boundaryLines.clear();
    m_boundaryLines.push_back({{r.x1, r.y1}, {r.x2, r.y1}});
    m_boundaryLines.push_back({{r.x2, r.y1}, {r.x2, r.y2}});
    m_boundaryLines.push_back({{r.x2, r.y2}, {r.x1, r.y2}});
    m_boundaryLines.push_back({{r.x1, r.y2}, {r.x1, r.y1}});
    m_boundaryPoints.clear();
    m_boundaryPoints.push_back({r.x1, r.y1});
    m_boundaryPoints.push_back({r.x2, r.y1});
    m_boundaryPoints.push_back({r.x2, r.y2});
    m_boundaryPoints.push_back({r.x1, r.y2});
}

bool ShadowShapes::PassesBombTest(const SmokeBomb& bomb) const {
    const MapRectangle& r = m_rectangle;
    return r.x1 < bomb.corners[3].x || r.x2 > bomb.corners[1].x || r.y1 > bomb.corners[0].y ||
           r.y2 < bomb.corners[2].y;
}

void ShadowShapes::CollectBlockers(std::vector<Line>& lines, std::vector<Point>& points) const {
    lines.clear();
    points.clear();
    lines.insert(lines.end(), m_boundaryLines.begin(), m_boundaryLines.end());
    for (const Line& line : m_staticLines) {
        if (InsideOrOnEdge(m_rectangle, line.start) && InsideOrOnEdge(m_rectangle, line.end)) {
            lines.push_back(line);
        }
    }
    points.insert(points.end(), m_boundaryPoints.begin(), m_boundaryPoints.end());
    for (const Point p : m_staticPoints) {
        if (StrictlyInside(m_rectangle, p)) {
            points.push_back(p);
        }
    }
    for (const SmokeBomb& bomb : m_smokeBombs) {
        if (PassesBombTest(bomb)) {
            lines.insert(lines.end(), std::begin(bomb.edges), std::end(bomb.edges));
            points.insert(points.end(), std::begin(bomb.corners), std::end(bomb.corners));
        }
    }
}

}  // namespace Lumaspace
