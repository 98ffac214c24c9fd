// The even-odd point test on hand-made polygons: rays level with horizontal edges and with vertices, and
// polygons with repeated points (zero-length edges), which the visibility polygon produces whenever two rays
// stop at the same place.
#include <gtest/gtest.h>

#include <vector>

#include "sight/PolygonContains.h"

namespace Lumaspace {
namespace {

struct ContainsCase {
    const char* name;
    std::vector<Point> polygon;
    Point q;
    bool inside;
};

const std::vector<Point> kSquare = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
// A U: the notch between x 2 and 4 reaches down to y 2, so its floor is a horizontal edge at y 2.
const std::vector<Point> kU = {{0, 0}, {6, 0}, {6, 4}, {4, 4}, {4, 2}, {2, 2}, {2, 4}, {0, 4}};

TEST(PolygonContainsTest, CountsCrossingsByTheEvenOddRule) {
    const ContainsCase cases[] = {
        {"inside a square", kSquare, {2, 2}, true},
        {"right of a square", kSquare, {5, 2}, false},
        {"left of a square", kSquare, {-1, 2}, false},
        {"empty polygon", {}, {0, 0}, false},
        {"level with a horizontal edge on the right", kU, {1, 2}, true},
        {"in the notch", kU, {3, 3}, false},
        {"in the other arm", kU, {5, 2}, true},
        {"level with a vertex the boundary passes through",
         {{0, 0}, {4, 0}, {4, 2}, {4, 4}, {0, 4}},
         {1, 2},
         true},
        {"the same with the vertex repeated", {{0, 0}, {4, 0}, {4, 2}, {4, 2}, {4, 4}, {0, 4}}, {1, 2}, true},
        {"level with an apex touched from below", {{0, 0}, {6, 0}, {3, 2}}, {1, 2}, false},
        {"level with an apex touched from above", {{0, 4}, {6, 4}, {3, 2}}, {1, 2}, false},
        {"every point repeated, inside",
         {{0, 0}, {0, 0}, {4, 0}, {4, 0}, {4, 4}, {4, 4}, {0, 4}, {0, 4}},
         {2, 2},
         true},
        {"every point repeated, outside",
         {{0, 0}, {0, 0}, {4, 0}, {4, 0}, {4, 4}, {4, 4}, {0, 4}, {0, 4}},
         {5, 2},
         false},
        {"one point", {{1, 1}}, {0, 1}, false},
    };
    for (const ContainsCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PolygonContains(c.polygon, c.q), c.inside);
    }
}

}  // namespace
}  // namespace Lumaspace
