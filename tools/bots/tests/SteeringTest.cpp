// Walking around walls: a bot heading for a goal behind a wall never steps into it, never leaves the arena,
// never moves further than its step, and still gets round.
#include <gtest/gtest.h>

#include "tools/bots/Steering.h"

namespace {

ArenaMap WalledArena() {
    ArenaMap map;
    map.SetBounds({-20.0f, -20.0f}, {20.0f, 20.0f});
    map.AddObstacle({{-1.0f, -6.0f}, {1.0f, 6.0f}, true});  // a wall across the way along x
    return map;
}

}  // namespace

TEST(Steering, WalksAroundAWallWithoutEnteringIt) {
    const ArenaMap map = WalledArena();
    struct Case {
        Ground start;
        Ground goal;
    };
    const Case cases[] = {{{-8.0f, 0.0f}, {8.0f, 0.0f}},   // straight at the wall's middle
                          {{-8.0f, 5.5f}, {8.0f, 5.5f}},   // near its end
                          {{8.0f, -3.0f}, {-8.0f, 3.0f}},  // diagonally from the other side
                          {{-1.7f, 0.0f}, {1.7f, 0.0f}}};  // pressed against it
    for (const Case& c : cases) {
        Ground p = c.start;
        Steerer steerer;
        const float step = 0.4f;
        int steps = 0;
        for (; steps < 400 && Distance(p, c.goal) > 0.5f; ++steps) {
            const Ground next = steerer.Step(map, p, c.goal, step);
            ASSERT_LE(Distance(p, next), step + 1e-4f);
            ASSERT_FALSE(map.Blocked(next)) << next.x << " " << next.z;
            p = next;
        }
        EXPECT_LE(Distance(p, c.goal), 0.5f)
            << "from " << c.start.x << "," << c.start.z << " stuck at " << p.x << "," << p.z;
    }
}

TEST(Steering, StaysInsideTheArenaBounds) {
    const ArenaMap map = WalledArena();
    Ground p{18.0f, 18.0f};
    Steerer steerer;
    for (int i = 0; i < 50; ++i) {
        p = steerer.Step(map, p, {40.0f, 40.0f}, 0.4f);
        ASSERT_FALSE(map.Blocked(p));
    }
    EXPECT_LE(p.x, 19.5f);
    EXPECT_LE(p.z, 19.5f);
}

TEST(Steering, ABotPlacedInsideAWallWalksOut) {
    const ArenaMap map = WalledArena();
    Steerer steerer;
    Ground p{0.0f, 0.0f};
    for (int i = 0; i < 20 && map.Blocked(p); ++i) {
        p = steerer.Step(map, p, {-8.0f, 0.0f}, 0.4f);
    }
    EXPECT_FALSE(map.Blocked(p));
}

TEST(Steering, ReportStepsAreClampedPerAxis) {
    EXPECT_EQ(ClampStep({0.0f, 0.0f}, {10.0f, -2.0f}, 4.0f), (Ground{4.0f, -2.0f}));
    EXPECT_EQ(ClampStep({1.0f, 1.0f}, {-9.0f, -9.0f}, 4.0f), (Ground{-3.0f, -3.0f}));
    EXPECT_EQ(ClampStep({1.0f, 1.0f}, {2.0f, 0.5f}, 4.0f), (Ground{2.0f, 0.5f}));
}
