// The sight blockers: static end points kept once, the blockers collected for a map rectangle, and smoke
// bombs that expire after their duration.
#include <gtest/gtest.h>

#include <vector>

#include "sight/ShadowShapes.h"

namespace Lumaspace {
namespace {

bool Same(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}
bool Same(const Line& a, const Line& b) {
    return Same(a.start, b.start) && Same(a.end, b.end);
}

template <typename T>
void ExpectSameList(const std::vector<T>& actual, const std::vector<T>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_TRUE(Same(actual[i], expected[i])) << "entry " << i;
    }
}

struct StaticLineCase {
    const char* name;
    std::vector<Line> added;
    std::size_t keptLines;
    std::vector<Point> points;
};

TEST(ShadowShapesTest, KeepsEveryEndPointOnce) {
    const StaticLineCase cases[] = {
        {"two lines sharing an end point", {{{0, 0}, {1, 0}}, {{1, 0}, {1, 1}}}, 2, {{0, 0}, {1, 0}, {1, 1}}},
        {"a closed square",
         {{{0, 0}, {1, 0}}, {{1, 0}, {1, 1}}, {{1, 1}, {0, 1}}, {{0, 1}, {0, 0}}},
         4,
         {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
        {"the same line twice", {{{2, 3}, {4, 5}}, {{4, 5}, {2, 3}}}, 2, {{2, 3}, {4, 5}}},
        {"points equal only when both coordinates are",
         {{{0, 0}, {0, 1}}, {{0, 0.5f}, {1e-6f, 1}}},
         2,
         {{0, 0}, {0, 1}, {0, 0.5f}, {1e-6f, 1}}},
        {"a zero-length line is dropped", {{{3, 3}, {3, 3}}, {{0, 0}, {1, 0}}}, 1, {{0, 0}, {1, 0}}},
    };
    for (const StaticLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShadowShapes shapes;
        for (const Line& line : c.added) {
            shapes.AddStaticLine(line);
        }
        EXPECT_EQ(shapes.GetStaticLines().size(), c.keptLines);
        ExpectSameList(shapes.GetStaticPoints(), c.points);
    }
}

TEST(ShadowShapesTest, CollectsTheBlockersOfTheRectangle) {
    ShadowShapes shapes;
    const Line inside{{-2, 2}, {3, 2}};
    const Line crossing{{5, 5}, {15, 5}};  // leaves the rectangle: blocks nothing
    const Line onEdge{{-10, -4}, {-6, -4}};
    shapes.AddStaticLine(inside);
    shapes.AddStaticLine(crossing);
    shapes.AddStaticLine(onEdge);
    shapes.AddSmokeBomb({0, -5});
    shapes.AddSmokeBomb({40, 40});  // outside, yet not holding the rectangle: collected
    shapes.SetMapRectangle({-10, 10}, {10, -10});

    std::vector<Line> lines;
    std::vector<Point> points;
    lines.reserve(64);
    points.reserve(64);
    const Line* lineStorage = lines.data();
    const Point* pointStorage = points.data();
    for (int pass = 0; pass < 2; ++pass) {  // the second pass starts from the first one's contents
        shapes.CollectBlockers(lines, points);
    }
    EXPECT_EQ(lines.data(), lineStorage);
    EXPECT_EQ(points.data(), pointStorage);

    const SmokeBomb& near = shapes.GetSmokeBombs()[0];
    const SmokeBomb& far = shapes.GetSmokeBombs()[1];
    std::vector<Line> expectedLines = shapes.GetBoundaryLines();
    expectedLines.insert(expectedLines.end(), {inside, onEdge});
    expectedLines.insert(expectedLines.end(), std::begin(near.edges), std::end(near.edges));
    expectedLines.insert(expectedLines.end(), std::begin(far.edges), std::end(far.edges));
    ExpectSameList(lines, expectedLines);

    // Static points strictly inside only: the crossing line's inner end stays, its outer end and the point
    // on the rectangle's edge do not.
    std::vector<Point> expectedPoints = shapes.GetBoundaryPoints();
    expectedPoints.insert(expectedPoints.end(), {{-2, 2}, {3, 2}, {5, 5}, {-6, -4}});
    expectedPoints.insert(expectedPoints.end(), std::begin(near.corners), std::end(near.corners));
    expectedPoints.insert(expectedPoints.end(), std::begin(far.corners), std::end(far.corners));
    ExpectSameList(points, expectedPoints);
}

TEST(ShadowShapesTest, ARectangleWithinABombsSquareLeavesTheBombOut) {
    ShadowShapes shapes;  // still the initial rectangle (-1, 1, 1, -1)
    shapes.AddSmokeBomb({0.5f, 0});
    std::vector<Line> lines;
    std::vector<Point> points;
    shapes.CollectBlockers(lines, points);
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(points.size(), 4u);

    shapes.SetMapRectangle({-10, 10}, {10, -10});
    shapes.CollectBlockers(lines, points);
    EXPECT_EQ(lines.size(), 8u);
    EXPECT_EQ(points.size(), 8u);
}

TEST(ShadowShapesTest, BuildsTheDiamondAndBoundary) {
    ShadowShapes shapes;
    shapes.AddSmokeBomb({1, 2});
    const SmokeBomb& bomb = shapes.GetSmokeBombs()[0];
    EXPECT_TRUE(bomb.active);
    EXPECT_EQ(bomb.elapsed, 0.0f);
    EXPECT_EQ(bomb.duration, 4.5f);
    ExpectSameList(std::vector<Point>(std::begin(bomb.corners), std::end(bomb.corners)),
                   {{1, 5.5f}, {4.5f, 2}, {1, -1.5f}, {-2.5f, 2}});
    ExpectSameList(
        std::vector<Line>(std::begin(bomb.edges), std::end(bomb.edges)),
        {{{1, 5.5f}, {4.5f, 2}}, {{4.5f, 2}, {1, -1.5f}}, {{1, -1.5f}, {-2.5f, 2}}, {{-2.5f, 2}, {1, 5.5f}}});

    shapes.SetMapRectangle({-3, 4}, {5, -6});
    ExpectSameList(shapes.GetBoundaryLines(),
                   {{{-3, 4}, {5, 4}}, {{5, 4}, {5, -6}}, {{5, -6}, {-3, -6}}, {{-3, -6}, {-3, 4}}});
    ExpectSameList(shapes.GetBoundaryPoints(), {{-3, 4}, {5, 4}, {5, -6}, {-3, -6}});
}

struct ExpiryCase {
    const char* name;
    std::vector<float> frames;
    std::size_t expiringFrame;  // index of the Update that removes the bomb
};

TEST(ShadowShapesTest, ABombExpiresInTheUpdateThatPassesItsDuration) {
    const ExpiryCase cases[] = {
        {"exactly 4.5 s still blocks", {4.5f, 0.001f}, 1},
        {"three frames of 1.5 s", {1.5f, 1.5f, 1.5f, 0.01f}, 3},
        {"one long frame", {4.6f}, 0},
        {"a zero frame changes nothing", {0.0f, 2.0f, 2.0f, 0.0f, 1.0f}, 4},
    };
    for (const ExpiryCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShadowShapes shapes;
        shapes.AddSmokeBomb({0, 0});
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            EXPECT_EQ(shapes.Update(c.frames[i]), i == c.expiringFrame) << "frame " << i;
            EXPECT_EQ(shapes.GetSmokeBombs().size(), i < c.expiringFrame ? 1u : 0u) << "frame " << i;
        }
    }
}

TEST(ShadowShapesTest, ExpiryKeepsTheOrderOfTheOthers) {
    ShadowShapes shapes;
    shapes.AddSmokeBomb({0, 0});
    shapes.Update(1.0f);
    shapes.AddSmokeBomb({10, 0});
    shapes.Update(1.0f);
    shapes.AddSmokeBomb({20, 0});
    EXPECT_FALSE(shapes.Update(2.0f));
    EXPECT_TRUE(shapes.Update(1.0f));  // the first one, 5 s old
    ASSERT_EQ(shapes.GetSmokeBombs().size(), 2u);
    EXPECT_EQ(shapes.GetSmokeBombs()[0].corners[0].x, 10.0f);
    EXPECT_EQ(shapes.GetSmokeBombs()[1].corners[0].x, 20.0f);
}

TEST(ShadowShapesTest, ClearingStaticLinesKeepsBombsAndBoundaryAndResetKeepsNothing) {
    ShadowShapes shapes;
    shapes.SetMapRectangle({-5, 5}, {5, -5});
    shapes.AddStaticLine({{0, 0}, {1, 1}});
    shapes.AddSmokeBomb({0, 0});
    shapes.ClearStaticLines();
    EXPECT_TRUE(shapes.GetStaticLines().empty());
    EXPECT_TRUE(shapes.GetStaticPoints().empty());
    EXPECT_EQ(shapes.GetSmokeBombs().size(), 1u);
    EXPECT_EQ(shapes.GetMapRectangle().x2, 5.0f);

    shapes.AddStaticLine({{0, 0}, {1, 1}});
    shapes.Reset();
    EXPECT_TRUE(shapes.GetStaticLines().empty());
    EXPECT_TRUE(shapes.GetStaticPoints().empty());
    EXPECT_TRUE(shapes.GetSmokeBombs().empty());
    const MapRectangle& r = shapes.GetMapRectangle();
    EXPECT_EQ(r.x1, -1.0f);
    EXPECT_EQ(r.y1, 1.0f);
    EXPECT_EQ(r.x2, 1.0f);
    EXPECT_EQ(r.y2, -1.0f);
    ExpectSameList(shapes.GetBoundaryPoints(), {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}});
}

}  // namespace
}  // namespace Lumaspace
