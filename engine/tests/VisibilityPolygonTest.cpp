// The visibility polygon on small scenes: the bare rectangle, lines that leave the rectangle, smoke bombs,
// nearly vertical rays, polygons larger than one draw's worth, and the overlay's scroll.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "SightScene.h"

namespace Lumaspace {
namespace {

float DistanceToSegment(Point p, const Line& line) {
    const float sx = line.end.x - line.start.x;
    const float sy = line.end.y - line.start.y;
    const float lengthSquared = sx * sx + sy * sy;
    float u =
        lengthSquared > 0.0f ? ((p.x - line.start.x) * sx + (p.y - line.start.y) * sy) / lengthSquared : 0.0f;
    u = std::fmax(0.0f, std::fmin(1.0f, u));
    return std::hypot(line.start.x + u * sx - p.x, line.start.y + u * sy - p.y);
}

// Every polygon point is where a ray stopped, so it lies on one of the blocker lines.
void ExpectPointsOnBlockers(const SightScene& scene) {
    for (const Point p : scene.polygon.GetPolygon()) {
        float nearest = INFINITY;
        for (const Line& line : scene.lines) {
            nearest = std::fmin(nearest, DistanceToSegment(p, line));
        }
        EXPECT_LT(nearest, 1e-3f) << "polygon point (" << p.x << ", " << p.y << ") lies on no blocker";
    }
}

// The fan holds one triangle per polygon point: the viewer, the point and the next one, the last closing back
// to the first.
void ExpectWholeFan(const VisibilityPolygon& polygon) {
    const std::vector<Point>& points = polygon.GetPolygon();
    const std::vector<glm::vec3>& fan = polygon.GetFan();
    ASSERT_EQ(fan.size(), 3 * points.size());
    const Point v = polygon.GetViewer();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point next = points[(i + 1) % points.size()];
        EXPECT_EQ(fan[3 * i], glm::vec3(v.x, 0.2f, v.y)) << i;
        EXPECT_EQ(fan[3 * i + 1], glm::vec3(points[i].x, 0.2f, points[i].y)) << i;
        EXPECT_EQ(fan[3 * i + 2], glm::vec3(next.x, 0.2f, next.y)) << i;
    }
}

TEST(VisibilityPolygonTest, TheBareRectangleGivesThreePointsAtEachCorner) {
    SightScene scene;
    scene.shapes.SetMapRectangle({-10, 8}, {12, -6});
    const Point viewer{1.5f, -2.0f};
    scene.Compute(viewer);

    const std::vector<Point>& polygon = scene.polygon.GetPolygon();
    ASSERT_EQ(polygon.size(), 12u);
    for (const Point corner : scene.shapes.GetBoundaryPoints()) {
        int near = 0;
        for (const Point p : polygon) {
            near += std::hypot(p.x - corner.x, p.y - corner.y) < 0.01f ? 1 : 0;
        }
        EXPECT_EQ(near, 3) << "corner (" << corner.x << ", " << corner.y << ")";
    }
    for (std::size_t i = 1; i < polygon.size(); ++i) {  // descending angle around the viewer
        EXPECT_GE(std::atan2(polygon[i - 1].y - viewer.y, polygon[i - 1].x - viewer.x) + 1e-4f,
                  std::atan2(polygon[i].y - viewer.y, polygon[i].x - viewer.x))
            << i;
    }
    ExpectPointsOnBlockers(scene);
    ExpectWholeFan(scene.polygon);
    EXPECT_TRUE(scene.polygon.IsPointVisible({-9, 7}));
    EXPECT_TRUE(scene.polygon.IsPointVisible({11, -5}));
    EXPECT_FALSE(scene.polygon.IsPointVisible({13, 0}));
    EXPECT_FALSE(scene.polygon.IsPointVisible({0, 9}));
}

// A point level with a polygon vertex on the rectangle's side (a side ray's hit beside a corner): the
// boundary passes through that level once, so the point is inside. Counting the vertex for both edges that
// meet there would call it hidden.
TEST(VisibilityPolygonTest, APointLevelWithAVertexIsSeen) {
    SightScene scene;
    scene.shapes.SetMapRectangle({-10, 10}, {10, -10});
    scene.Compute({0.25f, 0.5f});
    int checked = 0;
    for (const Point p : scene.polygon.GetPolygon()) {
        if (std::fabs(p.x) > 9.999f && std::fabs(p.y) < 9.99995f) {  // beside a corner, on a side
            EXPECT_TRUE(scene.polygon.IsPointVisible({0, p.y})) << "level " << p.y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

struct OneLineCase {
    const char* name;
    Line wall;
    bool behindSeen;
};

TEST(VisibilityPolygonTest, OnlyLinesWhollyInTheRectangleBlock) {
    const OneLineCase cases[] = {
        {"inside", {{-5, 5}, {9, 5}}, false},
        {"one end on the edge", {{-5, 5}, {10, 5}}, false},
        {"one end outside", {{-5, 5}, {15, 5}}, true},
        {"both ends outside, crossing the whole rectangle", {{-15, 5}, {15, 5}}, true},
    };
    for (const OneLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        SightScene scene;
        scene.shapes.SetMapRectangle({-10, 10}, {10, -10});
        scene.shapes.AddStaticLine(c.wall);
        scene.Compute({0, 0});
        EXPECT_EQ(scene.polygon.IsPointVisible({0, 8}), c.behindSeen);
        EXPECT_TRUE(scene.polygon.IsPointVisible({0, 3}));
        ExpectPointsOnBlockers(scene);
    }
}

TEST(VisibilityPolygonTest, ASmokeBombBlocksUntilItsTimeIsUp) {
    SightScene scene;
    scene.shapes.SetMapRectangle({-20, 20}, {20, -20});
    scene.shapes.AddSmokeBomb({0, 8});
    scene.Compute({0, 0});
    EXPECT_FALSE(scene.polygon.IsPointVisible({0, 15}));
    EXPECT_FALSE(scene.polygon.IsPointVisible({0, 8}));  // inside the smoke
    EXPECT_TRUE(scene.polygon.IsPointVisible({0, 4}));

    EXPECT_FALSE(scene.shapes.Update(4.5f));
    scene.Compute({0, 0});
    EXPECT_FALSE(scene.polygon.IsPointVisible({0, 15}));

    EXPECT_TRUE(scene.shapes.Update(0.02f));
    scene.Compute({0, 0});
    EXPECT_TRUE(scene.polygon.IsPointVisible({0, 15}));
    EXPECT_EQ(scene.polygon.GetPolygon().size(), 12u);
}

// Rays straight up or down from a viewer off the origin: cos of the float nearest pi/2 is about -4e-8, and a
// distance taken from the x components turns the rounding of the hit's x into a point far off the line (or at
// the viewer).
TEST(VisibilityPolygonTest, NearlyVerticalRaysStopOnTheLineTheyHit) {
    const Point viewers[] = {{13.7f, -3.3f}, {3.1f, 1.7f}, {-21.3f, 7.9f}, {30.25f, -12.5f}};
    for (const Point v : viewers) {
        SCOPED_TRACE(testing::Message() << "viewer (" << v.x << ", " << v.y << ")");
        SightScene scene;
        scene.shapes.SetMapRectangle({v.x - 30, v.y + 25}, {v.x + 30, v.y - 25});
        scene.shapes.AddStaticLine({{v.x, v.y + 10}, {v.x + 6, v.y + 10}});        // an end straight above
        scene.shapes.AddStaticLine({{v.x - 7, v.y - 12}, {v.x, v.y - 12}});        // an end straight below
        scene.shapes.AddStaticLine({{v.x - 20, v.y + 20}, {v.x + 20, v.y + 20}});  // behind, across the view
        scene.Compute(v);
        ExpectPointsOnBlockers(scene);
        for (const Point p : scene.polygon.GetPolygon()) {
            EXPECT_GT(std::hypot(p.x - v.x, p.y - v.y), 9.0f) << "a ray stopped at the viewer";
        }
    }
}

TEST(VisibilityPolygonTest, APolygonOfMoreThanFiveHundredPointsKeepsItsWholeFan) {
    SightScene scene;
    scene.shapes.SetMapRectangle({-30, 30}, {30, -30});
    constexpr int kPosts = 200;  // short segments on a ring, with gaps: every ray finds a blocker
    for (int i = 0; i < kPosts; ++i) {
        const float a = 6.2831853f * static_cast<float>(i) / kPosts;
        const float b = a + 0.01f;
        scene.shapes.AddStaticLine({{8 * std::cos(a), 8 * std::sin(a)}, {8 * std::cos(b), 8 * std::sin(b)}});
    }
    scene.Compute({0.3f, -0.2f});
    EXPECT_EQ(scene.polygon.GetPolygon().size(), 3u * (2 * kPosts + 4));
    ExpectWholeFan(scene.polygon);
    ExpectPointsOnBlockers(scene);

    // The lists grew once; the next frame's update reuses them.
    const Point* polygonStorage = scene.polygon.GetPolygon().data();
    const glm::vec3* fanStorage = scene.polygon.GetFan().data();
    scene.Compute({-0.1f, 0.4f});
    EXPECT_EQ(scene.polygon.GetPolygon().data(), polygonStorage);
    EXPECT_EQ(scene.polygon.GetFan().data(), fanStorage);
}

TEST(VisibilityPolygonTest, NoHitsGiveAnEmptyPolygonThatHidesEverything) {
    VisibilityPolygon polygon;
    const Point points[] = {{1, 1}, {2, -1}};
    polygon.Compute({0, 0}, {}, points);
    EXPECT_TRUE(polygon.GetPolygon().empty());
    EXPECT_TRUE(polygon.GetFan().empty());
    EXPECT_FALSE(polygon.IsPointVisible({0, 0}));

    // A zero-length line blocks nothing, not even a ray aimed straight at it.
    const Line dot[] = {{{1, 1}, {1, 1}}};
    polygon.Compute({0, 0}, dot, points);
    EXPECT_TRUE(polygon.GetPolygon().empty());
}

TEST(VisibilityPolygonTest, TheOverlayScrollStaysWithinOneTextureWidth) {
    VisibilityPolygon polygon;
    EXPECT_NEAR(polygon.AdvanceScroll(100.0f), 0.25f, 1e-6f);
    EXPECT_NEAR(polygon.AdvanceScroll(320.0f), 0.05f, 1e-5f);   // passed 1
    EXPECT_NEAR(polygon.AdvanceScroll(1000.0f), 0.55f, 1e-5f);  // a long stall passes 1 twice
    EXPECT_EQ(polygon.GetScroll(), polygon.AdvanceScroll(0.0f));

    const std::array<Vertex, 6> quad = VisibilityPolygon::OverlayQuad(0.25f);
    for (const Vertex& v : quad) {
        EXPECT_EQ(v.position.y, 0.1f);
        EXPECT_EQ(v.normal, glm::vec3(0, 1, 0));
        EXPECT_EQ(std::fabs(v.position.x), 45.0f);
        EXPECT_EQ(std::fabs(v.position.z), 52.0f);
        EXPECT_EQ(v.texcoord.x,
                  v.position.x < 0 ? 0.25f : 0.75f);  // u = 0.5 - s on the left, 1 - s on the right
        EXPECT_EQ(v.texcoord.y, v.position.z > 0 ? 0.0f : 1.0f);
    }
}

}  // namespace
}  // namespace Lumaspace
