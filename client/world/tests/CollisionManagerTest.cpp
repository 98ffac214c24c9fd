// The client's obstacle queries over an arena of stations along x, each holding one kind of obstacle at
// z = 10: which lists each volume lands in, and what the walking, sight, aim and camera questions answer.
#include "client/world/CollisionManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "shared/tests/CaseLabel.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

CollisionOBB Box(const Float3& center, const Float3& halfSizes, const Float4& orientation = kNoRotation) {
    return MakeCollisionOBB(center, halfSizes, orientation);
}

// A unit cube turned so that its corner (1, 1, 1) points along +x: it reaches sqrt(3) from its centre along
// x, beyond sqrt(2), the radius of its largest half-size.
Float4 CornerAlongX() {
    const float angle = std::acos(1.0f / std::sqrt(3.0f));
    const float s = std::sin(0.5f * angle) / std::sqrt(2.0f);
    return {0.0f, s, -s, std::cos(0.5f * angle)};
}

class QueryArena {
protected:
    QueryArena() {
        m_obstacles.SetLevelBoxes(std::vector<CollisionOBB>{Box({0, 3, 10}, {5, 3, 0.5f})});
        const ObjectVolumes* shown[] = {&m_fence, &m_crates,  &m_post,  &m_roof,
                                        &m_crown, &m_lantern, &m_tipped};
        const ObjectVolumes* animated[] = {&m_gate};
        m_obstacles.SetObjects(shown, animated);
    }

    ObjectVolumes m_fence{{Box({20, 1.8f, 10}, {5, 1.8f, 0.5f})}, {}};   // exactly the sight limit
    ObjectVolumes m_crates{{Box({40, 1.9f, 10}, {5, 1.9f, 0.5f})}, {}};  // just above it
    ObjectVolumes m_post{{}, {{{60, 0.5f, 10}, 0.5f}}};
    ObjectVolumes m_roof{{Box({80, 6.01f, 10}, {5, 0.5f, 3})}, {}};
    ObjectVolumes m_crown{{}, {{{100, 7, 10}, 2}}};
    ObjectVolumes m_lantern{{}, {{{120, 4, 10}, 0.5f}}};
    ObjectVolumes m_gate{{Box({140, 6.5f, 10}, {1, 1, 1})}, {}};  // animated: low whatever its height
    ObjectVolumes m_tipped{{Box({160, 0, 0}, {1, 1, 1}, CornerAlongX())}, {}};
    CollisionManager m_obstacles;
};

TEST(CollisionManagerListsTest, SplitsVolumesAtHeight6AndKeepsLevelBoxes) {
    const float turn = std::sin(0.4f);
    const CollisionOBB level = Box({0, 1, 0}, {1, 1, 3}, {0, turn, 0, std::cos(0.4f)});
    CollisionOBB carriedRadius = Box({5, 6.0f, 0}, {1, 2, 1});
    carriedRadius.radius = 50.0f;
    const CollisionOBB above = Box({6, 6.01f, 0}, {1, 1, 1});
    const CollisionSphere lowSphere{{7, 6.0f, 0}, 1};
    const CollisionSphere highSphere{{8, 6.01f, 0}, 1};
    const ObjectVolumes prop{{carriedRadius, above}, {lowSphere, highSphere}};
    const ObjectVolumes animated{{above}, {highSphere}};

    CollisionManager obstacles;
    obstacles.SetLevelBoxes(std::vector<CollisionOBB>{level});
    obstacles.SetLevelBoxes(std::vector<CollisionOBB>{level});  // replaces, never adds
    const ObjectVolumes* shown[] = {&prop, nullptr};
    const ObjectVolumes* moving[] = {nullptr, &animated};
    obstacles.SetObjects(shown, moving);

    const CollisionOBB unturnedLevel = Box({0, 1, 0}, {1, 1, 3});
    EXPECT_EQ(obstacles.GetLevelBoxes(), std::vector<CollisionOBB>{unturnedLevel});
    EXPECT_EQ(obstacles.GetLowBoxes(),
              (std::vector<CollisionOBB>{unturnedLevel, Box({5, 6.0f, 0}, {1, 2, 1}), above}));
    EXPECT_EQ(obstacles.GetHighBoxes(), std::vector<CollisionOBB>{above});
    EXPECT_EQ(obstacles.GetLowSpheres(), (std::vector<CollisionSphere>{lowSphere, highSphere}));
    EXPECT_EQ(obstacles.GetHighSpheres(), std::vector<CollisionSphere>{highSphere});

    // The next frame's objects replace this frame's; the level boxes stay.
    obstacles.SetObjects({}, {});
    EXPECT_EQ(obstacles.GetLowBoxes(), std::vector<CollisionOBB>{unturnedLevel});
    EXPECT_TRUE(obstacles.GetHighBoxes().empty());
    EXPECT_TRUE(obstacles.GetLowSpheres().empty());
    EXPECT_TRUE(obstacles.GetHighSpheres().empty());
}

struct BlockCase {
    std::string label;
    Float3 center;
    float radius;
    bool blocked;
    friend void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.label; }
};

class IsBlockedTest : public QueryArena, public ::testing::TestWithParam<BlockCase> {};

TEST_P(IsBlockedTest, LowObstaclesAreColumns) {
    const BlockCase& c = GetParam();
    EXPECT_EQ(m_obstacles.IsBlocked(c.center, c.radius), c.blocked);
}

INSTANTIATE_TEST_SUITE_P(Probes, IsBlockedTest,
                         ::testing::Values(BlockCase{"OpenGround", {0, 1, 0}, 0.4f, false},
                                           BlockCase{"BesideLevelWall", {0, 1, 9.2f}, 0.4f, true},
                                           BlockCase{"FarAboveLevelWall", {0, 20, 9.2f}, 0.4f, true},
                                           BlockCase{"UnderHighRoof", {80, 6, 10}, 0.4f, false},
                                           BlockCase{"UnderHangingLantern", {120, 0, 10.6f}, 0.4f, true},
                                           BlockCase{"BesideAnimatedGateAbove6", {140, 0, 11.2f}, 0.4f, true},
                                           BlockCase{"AtTippedCubesFarCorner", {162.08f, 0, 0}, 0.4f, true},
                                           BlockCase{"PastTippedCubesFarCorner", {162.2f, 0, 0}, 0.4f, false},
                                           BlockCase{"NaNCentre", {kNaN, 0, 9.2f}, 0.4f, false}),
                         LabelOf<BlockCase>);

struct LineCase {
    std::string label;
    Float3 from;
    Float3 to;
    bool blocked;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.label; }
};

class IsLineBlockedTest : public QueryArena, public ::testing::TestWithParam<LineCase> {};

TEST_P(IsLineBlockedTest, TallBoxesAndLowSpheresBlockBetweenThePoints) {
    const LineCase& c = GetParam();
    EXPECT_EQ(m_obstacles.IsLineBlocked(c.from, c.to), c.blocked);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IsLineBlockedTest,
    ::testing::Values(LineCase{"AcrossLevelWall", {0, 1, 0}, {0, 1, 20}, true},
                      LineCase{"AcrossFenceOfHalfHeight1_8", {20, 1, 0}, {20, 1, 20}, false},
                      LineCase{"AcrossCratesOfHalfHeight1_9", {40, 1, 0}, {40, 1, 20}, true},
                      LineCase{"AcrossPost", {60, 0.5f, 0}, {60, 0.5f, 20}, true},
                      // Distances are world units: the wall is 9.5 along a line 9 long.
                      LineCase{"WallBeyondTheFarPoint", {0, 1, 0}, {0, 1, 9}, false},
                      LineCase{"WallBehindTheStart", {0, 1, 12}, {0, 1, 20}, false},
                      LineCase{"UnderHighRoof", {80, 6.01f, 0}, {80, 6.01f, 20}, false},
                      LineCase{"BelowLantern", {120, 1, 0}, {120, 1, 20}, false},
                      LineCase{"SamePoint", {0, 1, 0}, {0, 1, 0}, false}),
    LabelOf<LineCase>);

struct AimCase {
    std::string label;
    float x;  // of the origin, which lies at z = 0 and aims along +z
    bool tallOnly;
    float maxDistance;
    float low;  // the distance lies between low and high
    float high;
    friend void PrintTo(const AimCase& c, std::ostream* os) { *os << c.label; }
};

class AimRayDistanceTest : public QueryArena, public ::testing::TestWithParam<AimCase> {};

TEST_P(AimRayDistanceTest, StopsAtTheNearestOfFiveRays) {
    const AimCase& c = GetParam();
    // The origin's height is not used: the rays run from just above the ground.
    const float distance = m_obstacles.AimRayDistance({c.x, 5, 0}, {0, 0, 1}, c.tallOnly, c.maxDistance);
    EXPECT_GE(distance, c.low);
    EXPECT_LE(distance, c.high);
}

// The ray moved 0.5 towards +z reaches a face at z = 9.5 after 9 units along z, 9.004 along the rising ray.
INSTANTIATE_TEST_SUITE_P(
    Aims, AimRayDistanceTest,
    ::testing::Values(AimCase{"NothingHitGivesTheMaximum", 200, true, 30, 30, 30},
                      AimCase{"TallLevelWall", 0, true, 30, 9.0f, 9.01f},
                      AimCase{"FenceOfHalfHeight1_8IgnoredByThrows", 20, true, 30, 30, 30},
                      AimCase{"FenceOfHalfHeight1_8ShortensDash", 20, false, 30, 9.0f, 9.01f},
                      AimCase{"CratesOfHalfHeight1_9", 40, true, 30, 9.0f, 9.01f},
                      AimCase{"LanternMetAtTheGround", 120, true, 30, 9.0f, 9.5f},
                      AimCase{"PostBesideTheAimMetBySideRay", 60.8f, true, 30, 9.0f, 10.0f},
                      AimCase{"HighCrownIgnored", 100, false, 30, 30, 30},
                      AimCase{"WallBeyondTheMaximum", 0, true, 5, 5, 5},
                      AimCase{"MaximumBelowZeroGivesZero", 200, true, -5, 0, 0},
                      AimCase{"NaNMaximumGivesZero", 0, true, kNaN, 0, 0}),
    LabelOf<AimCase>);

struct RayCase {
    std::string label;
    CollisionRay ray;
    float levelDistance;
    float firstHitDistance;
    friend void PrintTo(const RayCase& c, std::ostream* os) { *os << c.label; }
};

class RayDistanceTest : public QueryArena, public ::testing::TestWithParam<RayCase> {};

TEST_P(RayDistanceTest, LevelRaySeesLevelBoxesCameraRaySeesAll) {
    const RayCase& c = GetParam();
    EXPECT_NEAR(m_obstacles.LevelRayDistance(c.ray), c.levelDistance, 1e-4f);
    EXPECT_NEAR(m_obstacles.FirstHitDistance(c.ray), c.firstHitDistance, 1e-4f);
}

INSTANTIATE_TEST_SUITE_P(
    Rays, RayDistanceTest,
    ::testing::Values(RayCase{"NothingHit", {{200, 1, 0}, {0, 0, 1}}, 100, 100},
                      RayCase{"LevelWall", {{0, 1, 0}, {0, 0, 1}}, 9.5f, 9.5f},
                      // A direction of any length: distances stay in world units.
                      RayCase{"LevelWallAlongLongDirection", {{0, 1, 0}, {0, 0, 4}}, 9.5f, 9.5f},
                      RayCase{"LevelWallBehind", {{0, 1, 20}, {0, 0, 1}}, 100, 100},
                      RayCase{"CratesAreNoLevelBox", {{40, 1, 0}, {0, 0, 1}}, 100, 9.5f},
                      RayCase{"HighRoof", {{80, 6.01f, 0}, {0, 0, 1}}, 100, 7},
                      RayCase{"HighCrown", {{100, 7, 0}, {0, 0, 1}}, 100, 8},
                      RayCase{"NaNOrigin", {{kNaN, 1, 0}, {0, 0, 1}}, 100, 100}),
    LabelOf<RayCase>);

TEST(RayHitsBoxTest, WritesTheDistanceOnAHitAndZeroOnAMiss) {
    const CollisionOBB box = Box({0, 1, 10}, {1, 1, 1});
    CollisionRay ray{{0, 1, 0}, {0, 0, 2}, 5.0f};
    EXPECT_TRUE(CollisionManager::RayHitsBox(ray, box));
    EXPECT_NEAR(ray.hitDistance, 9.0f, 1e-4f);
    ray.direction = {0, 0, -1};
    EXPECT_FALSE(CollisionManager::RayHitsBox(ray, box));
    EXPECT_EQ(ray.hitDistance, 0.0f);
}

class CollidingTest : public QueryArena, public ::testing::Test {};

// A player without a body box hands over a box of radius -1.
TEST_F(CollidingTest, ABodyOfNegativeRadiusMeetsNoBox) {
    CollisionOBB body = Box({0, 1, 8.5f}, {0.5f, 1, 0.5f});
    EXPECT_EQ(m_obstacles.GetCollidingBoxes(body, {0, 0, 1}, 10, 1.0f / 60),
              std::vector<CollisionOBB>{Box({0, 3, 10}, {5, 3, 0.5f})});
    body.radius = -1;
    EXPECT_TRUE(m_obstacles.GetCollidingBoxes(body, {0, 0, 1}, 10, 1.0f / 60).empty());
}

// A sphere whose top lies outside the walker's height is met in the ground plane, a column; one whose top
// lies within it is met where it truly is.
TEST_F(CollidingTest, SpheresAreColumnsUnlessTheirTopIsWithinReach) {
    const CollisionSphere lantern{{120, 4, 10}, 0.5f};
    EXPECT_EQ(m_obstacles.GetCollidingSpheres({{120, 0, 9.3f}, 0.5f}, {0, 0, 1}, 0, 1.0f / 60),
              std::vector<CollisionSphere>{lantern});
    const CollisionSphere post{{60, 0.5f, 10}, 0.5f};
    EXPECT_EQ(m_obstacles.GetCollidingSpheres({{60, 0.8f, 9.3f}, 0.5f}, {0, 0, 1}, 0, 1.0f / 60),
              std::vector<CollisionSphere>{post});
    // Above the post's top: 0.9 higher and 0.6 aside is 1.08 from its centre, out of reach.
    EXPECT_TRUE(m_obstacles.GetCollidingSpheres({{60, 1.4f, 9.4f}, 0.5f}, {0, 0, 1}, 0, 1.0f / 60).empty());
}

}  // namespace
