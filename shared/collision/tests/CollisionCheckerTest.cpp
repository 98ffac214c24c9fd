#include "shared/collision/CollisionChecker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "shared/tests/CaseLabel.h"

namespace {

const Float4 kEighthTurnY{0.0f, std::sin(0.3926991f), 0.0f, std::cos(0.3926991f)};

CollisionOBB Wall(const Float3& center, const Float3& halfSizes, const Float4& orientation = kNoRotation) {
    return MakeCollisionOBB(center, halfSizes, orientation);
}

// Keeps boxes centred at most 6.0 high and spheres centred at most 5.0 high, in order.
TEST(CollisionCheckerInitializeTest, KeepsVolumesUpToTheHeightLimitsInOrder) {
    const std::vector<CollisionOBB> obbs = {Wall({0, 6.5f, 0}, {1, 1, 1}), Wall({1, 6.0f, 0}, {1, 1, 1}),
                                            Wall({2, -1.0f, 0}, {1, 1, 1}), Wall({3, 6.01f, 0}, {1, 1, 1}),
                                            Wall({4, 0.5f, 0}, {1, 1, 1})};
    const std::vector<CollisionSphere> spheres = {
        {{0, 5.5f, 0}, 1}, {{1, 5.0f, 0}, 1}, {{2, 0.0f, 0}, 1}, {{3, 5.01f, 0}, 1}};

    CollisionChecker checker;
    ASSERT_TRUE(checker.Initialize(obbs, spheres));
    EXPECT_EQ(checker.GetWalls(), (std::vector<CollisionOBB>{obbs[1], obbs[2], obbs[4]}));
    EXPECT_EQ(checker.GetPillars(), (std::vector<CollisionSphere>{spheres[1], spheres[2]}));

    // A second level replaces the obstacles.
    ASSERT_TRUE(checker.Initialize({obbs[4]}, {}));
    EXPECT_EQ(checker.GetWalls(), (std::vector<CollisionOBB>{obbs[4]}));
    EXPECT_TRUE(checker.GetPillars().empty());
}

// The arena of the query tests. Walls run along x; the board is turned by 45° about y.
class ArenaTest {
protected:
    ArenaTest() {
        m_checker.Initialize(
            {
                Wall({0, 1, 5}, {3, 1.0f, 0.5f}),               // low wall (a fence): top at 2
                Wall({20, 2, 5}, {3, 1.9f, 0.5f}),              // tall wall
                Wall({40, 2, 5}, {3, 1.8f, 0.5f}),              // exactly at the tall-wall limit: not tall
                Wall({60, 2, 0}, {4, 3, 0.25f}, kEighthTurnY),  // board along (1, 0, -1)
            },
            {
                {{-20, 0.5f, 5}, 0.5f},  // pillar stump
                {{-40, 4.0f, 0}, 0.5f},  // hanging lantern
                {{-60, 3.0f, 5}, 0.5f},  // high pillar, met by dashes at 0.1
                {{2, 0.5f, 8}, 0.5f},    // post behind the low wall
            });
    }

    CollisionChecker m_checker;
};

struct FlightCase {
    std::string label;
    Float3 center;  // of a shuriken box with half-sizes (0.3, 0.1, 0.3)
    bool hit;
    friend void PrintTo(const FlightCase& c, std::ostream* os) { *os << c.label; }
};

class HitsObstacleTest : public ArenaTest, public ::testing::TestWithParam<FlightCase> {};

TEST_P(HitsObstacleTest, WallsKeepTheirHeightPillarsAreColumns) {
    const FlightCase& c = GetParam();
    EXPECT_EQ(m_checker.HitsObstacle(MakeCollisionBox(c.center, {0.3f, 0.1f, 0.3f})), c.hit);
}

INSTANTIATE_TEST_SUITE_P(Flights, HitsObstacleTest,
                         ::testing::Values(FlightCase{"OpenGround", {0, 2, 0}, false},
                                           FlightCase{"IntoLowWall", {0, 1.5f, 4.4f}, true},
                                           FlightCase{"OverLowWall", {0, 2.5f, 5}, false},
                                           FlightCase{"ShortOfLowWall", {0, 1.5f, 4.1f}, false},
                                           FlightCase{"ThroughStump", {-20, 0.5f, 5}, true},
                                           FlightCase{"HighOverStump", {-20, 2.6f, 5}, true},
                                           FlightCase{"HighBesideStump", {-20, 2.6f, 5.85f}, false},
                                           FlightCase{"LowUnderLantern", {-40, 1.0f, 0}, true},
                                           FlightCase{"AlongTurnedBoard", {62, 2, -2}, true},
                                           FlightCase{"BesideTurnedBoard", {62, 2, 2}, false}),
                         LabelOf<FlightCase>);

struct LineCase {
    std::string label;
    Float3 from;
    Float3 to;
    bool tallOnly;
    bool blocked;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.label; }
};

class IsLineBlockedTest : public ArenaTest, public ::testing::TestWithParam<LineCase> {};

TEST_P(IsLineBlockedTest, BlocksOnlyBetweenThePoints) {
    const LineCase& c = GetParam();
    EXPECT_EQ(m_checker.IsLineBlocked(c.from, c.to, c.tallOnly), c.blocked);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IsLineBlockedTest,
    ::testing::Values(LineCase{"AcrossLowWall", {0, 1, 0}, {0, 1, 10}, false, true},
                      LineCase{"AcrossLowWallTallOnly", {0, 1, 0}, {0, 1, 10}, true, false},
                      LineCase{"AcrossTallWallTallOnly", {20, 1, 0}, {20, 1, 10}, true, true},
                      LineCase{"AcrossLimitWallTallOnly", {40, 1, 0}, {40, 1, 10}, true, false},
                      LineCase{"AcrossStump", {-20, 0.5f, 0}, {-20, 0.5f, 10}, false, true},
                      LineCase{"AcrossStumpTallOnly", {-20, 0.5f, 0}, {-20, 0.5f, 10}, true, true},
                      // The wall is 4.5 away along a line 4 long: distances are world units, not fractions.
                      LineCase{"ShortOfLowWall", {0, 1, 0}, {0, 1, 4}, false, false},
                      LineCase{"LowWallBehindOrigin", {0, 1, 8}, {0, 1, 15}, false, false},
                      LineCase{"FromInsideLowWall", {0, 1, 5}, {0, 1, 12}, false, false},
                      LineCase{"SamePoint", {0, 1, 0}, {0, 1, 0}, false, false},
                      // The line runs level at the height of its start, whatever the end's height.
                      LineCase{"OverLowWall", {0, 2.5f, 0}, {0, 1, 10}, false, false},
                      LineCase{"UpAcrossLowWall", {0, 1, 0}, {0, 9, 10}, false, true},
                      LineCase{"BesideStump", {-21, 0.5f, 0}, {-21, 0.5f, 10}, false, false}),
    LabelOf<LineCase>);

struct DashCase {
    std::string label;
    Float3 origin;
    Float3 direction;
    float reach;
    friend void PrintTo(const DashCase& c, std::ostream* os) { *os << c.label; }
};

class ObstacleRayDistanceTest : public ArenaTest, public ::testing::TestWithParam<DashCase> {};

TEST_P(ObstacleRayDistanceTest, NearestObstacleAheadUpToThirteen) {
    const DashCase& c = GetParam();
    EXPECT_NEAR(m_checker.ObstacleRayDistance(c.origin, c.direction), c.reach, 1e-4f);
}

const float kRiseStretch = std::sqrt(1.01f);  // length of (0, 0.1, 1)

INSTANTIATE_TEST_SUITE_P(
    Dashes, ObstacleRayDistanceTest,
    ::testing::Values(DashCase{"IntoLowWall", {0, 0.1f, 0}, {0, 0.1f, 1}, 4.5f * kRiseStretch},
                      DashCase{"LongDirection", {0, 0.1f, 0}, {0, 0.4f, 4}, 4.5f * kRiseStretch},
                      DashCase{"AwayFromLowWall", {0, 0.1f, 0}, {0, 0.1f, -1}, 13.0f},
                      DashCase{"LowWallBeyondReach", {0, 0.1f, -10}, {0, 0.1f, 1}, 13.0f},
                      DashCase{"FromInsideLowWall", {0, 0.1f, 5}, {0, 0.1f, 1}, 13.0f},
                      DashCase{"IntoStump", {-20, 0.1f, 0}, {0, 0, 1}, 4.5f},
                      DashCase{"HighPillarMetLow", {-60, 0.1f, 0}, {0, 0, 1}, 4.5f},
                      DashCase{"FromInsidePillar", {-60, 0.1f, 5}, {0, 0, 1}, 13.0f},
                      DashCase{"WallBeforePost", {2, 0.1f, 0}, {0, 0, 1}, 4.5f},
                      DashCase{"PostBeforeWall", {2, 0.1f, 12}, {0, 0, -1}, 3.5f}),
    LabelOf<DashCase>);

}  // namespace
