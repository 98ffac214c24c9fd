// Where a bot heads during sudden death: into the spared square, and inside it towards the enemy, seen or
// last known, so that a round cannot stall with both sides waiting behind cover.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/bots/BotBrain.h"

namespace {

bool InsideSquare(Ground g) {
    const float edge = BotBrain::kSafeHalfSize;
    return std::fabs(g.x) <= edge && std::fabs(g.z) <= edge;
}

}  // namespace

TEST(BotBrain, SuddenDeathGoalsStayInTheSquareAndSeekTheEnemy) {
    ArenaMap map;
    map.SetBounds({-40.0f, -40.0f}, {40.0f, 40.0f});
    map.AddObstacle({{-1.0f, -1.0f}, {1.0f, 1.0f}, true});  // a pillar in the middle hides the two sides
    struct Case {
        const char* name;
        Ground position;
        std::vector<EnemyView> visible;
        std::vector<Ground> known;
        Ground expected;  // NaN x: anywhere inside the square but not where the bot stands
    };
    const float anywhere = std::nanf("");
    const Case cases[] = {
        {"outside the square: to the centre", {30.0f, 0.0f}, {}, {{-5.0f, 0.0f}}, {0.0f, 0.0f}},
        {"enemy in sight: at it", {5.0f, 5.0f}, {{1, {-5.0f, 5.0f}, true}}, {{-5.0f, 5.0f}}, {-5.0f, 5.0f}},
        {"enemy in sight beyond the square: its edge",
         {5.0f, 0.0f},
         {{1, {20.0f, 0.0f}, true}},
         {{20.0f, 0.0f}},
         {10.0f, 0.0f}},
        {"enemy hidden behind the pillar: to its last place",
         {4.0f, 0.0f},
         {},
         {{-4.0f, 0.0f}},
         {-4.0f, 0.0f}},
        {"last place already searched: look elsewhere", {-4.0f, 0.0f}, {}, {{-4.0f, 0.5f}}, {anywhere, 0.0f}},
        {"nothing known: look around", {3.0f, 3.0f}, {}, {}, {anywhere, 0.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BotBrain brain(0, 0, 7);
        BotView view;
        view.position = c.position;
        view.suddenDeath = true;
        view.visibleEnemies = c.visible;
        view.knownEnemies = c.known;
        const BotIntent intent = brain.Think(map, view, 0.04);
        EXPECT_TRUE(InsideSquare(intent.goal)) << intent.goal.x << "," << intent.goal.z;
        if (std::isnan(c.expected.x)) {
            EXPECT_GT(Distance(intent.goal, c.position), 0.5f) << "a bot that sees nobody does not wait";
        } else {
            EXPECT_NEAR(intent.goal.x, c.expected.x, 1e-4f);
            EXPECT_NEAR(intent.goal.z, c.expected.z, 1e-4f);
        }
    }
}
