// Sight and aim: tall walls hide enemies, low ones do not; the nearest visible enemy is the target; the
// facing points at it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/bots/Aiming.h"
#include "tools/bots/BotBrain.h"

namespace {

ArenaMap SightArena() {
    ArenaMap map;
    map.SetBounds({-30.0f, -30.0f}, {30.0f, 30.0f});
    map.AddObstacle({{4.0f, -2.0f}, {5.0f, 2.0f}, true});     // a tall wall east of the origin
    map.AddObstacle({{-5.0f, -2.0f}, {-4.0f, 2.0f}, false});  // a low crate to the west
    return map;
}

}  // namespace

TEST(Aiming, TallWallsHideEnemiesAndLowOnesDoNot) {
    const ArenaMap map = SightArena();
    const std::vector<EnemyView> enemies = {{1, {10.0f, 0.0f}, true},    // behind the tall wall
                                            {2, {-10.0f, 0.0f}, true},   // behind the crate
                                            {3, {0.0f, 10.0f}, true},    // in the open
                                            {4, {0.0f, -10.0f}, false},  // dead
                                            {5, {0.0f, 50.0f}, true}};   // beyond sight range
    const std::vector<EnemyView> visible = VisibleEnemies(map, {0.0f, 0.0f}, enemies);
    ASSERT_EQ(visible.size(), 2u);
    EXPECT_EQ(visible[0].playerIndex, 2);
    EXPECT_EQ(visible[1].playerIndex, 3);
    // Seen past the wall's end.
    EXPECT_TRUE(map.LineOfSight({0.0f, 3.0f}, {10.0f, 3.0f}));
    EXPECT_FALSE(map.LineOfSight({0.0f, 1.9f}, {10.0f, 1.9f}));
}

TEST(Aiming, TargetsTheNearestVisibleEnemyAndFacesIt) {
    const std::vector<EnemyView> visible = {{1, {0.0f, 10.0f}, true}, {2, {3.0f, 4.0f}, true}};
    const auto target = NearestEnemy({0.0f, 0.0f}, visible);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->playerIndex, 2);
    const Ground facing = AimAt({0.0f, 0.0f}, target->position);
    EXPECT_NEAR(facing.x, 0.6f, 1e-5f);
    EXPECT_NEAR(facing.z, 0.8f, 1e-5f);
    EXPECT_FALSE(NearestEnemy({0.0f, 0.0f}, {}).has_value());
}

TEST(Aiming, TheBrainLooksAtAndFightsAVisibleEnemyButNotAHiddenOne) {
    const ArenaMap map = SightArena();
    BotBrain brain(0, 0, 7);
    BotView view;
    view.position = {0.0f, 0.0f};
    view.visibleEnemies = VisibleEnemies(map, view.position, {{1, {0.0f, 2.0f}, true}});
    int uses = 0;
    for (int tick = 0; tick < 50; ++tick) {
        const BotIntent intent = brain.Think(map, view, 0.04);
        EXPECT_NEAR(intent.facing.z, 1.0f, 1e-5f);
        uses += intent.ability ? 1 : 0;
    }
    EXPECT_GT(uses, 0);

    BotBrain blind(0, 0, 7);
    view.visibleEnemies = VisibleEnemies(map, view.position, {{1, {10.0f, 0.0f}, true}});
    for (int tick = 0; tick < 50; ++tick) {
        EXPECT_FALSE(blind.Think(map, view, 0.04).ability.has_value());
    }
}

TEST(Aiming, SuddenDeathSendsTheBotIntoTheCentreSquare) {
    ArenaMap map;
    map.SetBounds({-40.0f, -40.0f}, {40.0f, 40.0f});
    BotBrain brain(1, 2, 3);
    BotView view;
    view.position = {30.0f, -25.0f};
    view.suddenDeath = true;
    const BotIntent intent = brain.Think(map, view, 0.04);
    EXPECT_LE(std::fabs(intent.goal.x), BotBrain::kSafeHalfSize);
    EXPECT_LE(std::fabs(intent.goal.z), BotBrain::kSafeHalfSize);
}

TEST(ArenaMap, SpawnPointsOnTheOuterEdgeAreWalkable) {
    const std::string path = ::testing::TempDir() + "edge_level.ZMDL";
    {
        std::ofstream file(path);
        file << "Level\n# entity lines: 3\n# box line count: 1\nBox_1 0 2 0 0 0 0 1 2 1\n"
                "spawnPoint_1 -10 0 4 0 0 0\nspawnPoint_2 10 0 -4 0 0 0\n";
    }
    std::string error;
    const ArenaMap map = ArenaMap::Load(path, error);
    EXPECT_TRUE(error.empty()) << error;
    ASSERT_EQ(map.spawns[1].size(), 1u);
    ASSERT_EQ(map.spawns[2].size(), 1u);
    EXPECT_FALSE(map.Blocked(map.spawns[1][0]));
    EXPECT_FALSE(map.Blocked(map.spawns[2][0]));
    EXPECT_TRUE(map.Blocked({0.0f, 0.0f})) << "the pillar";
    std::remove(path.c_str());
}
