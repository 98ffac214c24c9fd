// The local player's walk against a small arena of stations far apart on the ground plane, each built to show
// one way of meeting obstacles: stopping, sliding, passing what is out of view or too high, and bending round
// round obstacles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "client/world/tests/WalkFixture.h"
#include "shared/collision/Overlaps.h"
#include "shared/tests/CaseLabel.h"

namespace {

constexpr float kDiagonal = 0.70710678f;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

ObjectVolumes Boxes(std::vector<CollisionOBB> boxes) {
    return ObjectVolumes{std::move(boxes), {}};
}

ObjectVolumes Spheres(std::vector<CollisionSphere> spheres) {
    return ObjectVolumes{{}, std::move(spheres)};
}

CollisionOBB Box(const Float3& center, const Float3& halfSizes) {
    return MakeCollisionOBB(center, halfSizes, kNoRotation);
}

class WalkArena {
protected:
    WalkArena() {
        m_obstacles.SetLevelBoxes(std::vector<CollisionOBB>{
            Box({5, 1.5f, 0}, {0.5f, 1.5f, 10}),       // a level wall along z, its face at x = 4.5
            Box({45, 0.5f, -20}, {0.5f, 0.5f, 0.5f}),  // a crate-sized level box
        });
        const ObjectVolumes* shown[] = {&m_crate,       &m_boxAt6, &m_boxAbove6, &m_pillars,
                                        &m_sphereByBox, &m_lone,   &m_straight};
        m_obstacles.SetObjects(shown, {});
    }

    ObjectVolumes m_crate = Boxes({Box({45, 0.5f, 0}, {0.5f, 0.5f, 0.5f})});
    ObjectVolumes m_hiddenCrate = Boxes({Box({45, 0.5f, 20}, {0.5f, 0.5f, 0.5f})});  // never shown
    ObjectVolumes m_boxAt6 = Boxes({Box({80, 6.0f, 0}, {1, 6, 1})});
    ObjectVolumes m_boxAbove6 = Boxes({Box({80, 6.01f, 20}, {1, 6, 1})});
    ObjectVolumes m_pillars = Spheres({{{125, 0.5f, 0.7f}, 0.5f}, {{125, 0.5f, -0.7f}, 0.5f}});
    ObjectVolumes m_sphereByBox =
        ObjectVolumes{{Box({125.8f, 1, 20}, {0.5f, 1, 3})}, {{{125, 0.5f, 20}, 0.5f}}};
    ObjectVolumes m_lone = Spheres({{{125, 0.5f, 40}, 0.5f}});
    ObjectVolumes m_straight = Spheres({{{125, 0.5f, 60}, 0.5f}});
    CollisionManager m_obstacles;
};

struct WalkCase {
    std::string label;
    Float3 start;
    Float3 heading;
    bool hasBody;
    int frames;
    Float3 low;  // the end position lies between low and high
    Float3 high;
    bool stopped;  // the last frame ended stopped
    friend void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.label; }
};

class WalkTest : public WalkArena, public ::testing::TestWithParam<WalkCase> {};

TEST_P(WalkTest, EndsWhereTheObstaclesLetIt) {
    const WalkCase& c = GetParam();
    Walker walker(m_obstacles, c.start, c.hasBody);
    const WalkState end = walker.Walk(c.heading, c.frames);
    EXPECT_GE(end.position.x, c.low.x);
    EXPECT_LE(end.position.x, c.high.x);
    EXPECT_GE(end.position.z, c.low.z);
    EXPECT_LE(end.position.z, c.high.z);
    EXPECT_EQ(end.position.y, c.start.y);
    const bool stopped = end.direction.x == 0 && end.direction.y == 0 && end.direction.z == 0;
    EXPECT_EQ(stopped, c.stopped) << end.direction.x << " " << end.direction.z;
}

// One frame is 1/6 of a unit at speed 10; a probe 0.4 wide stops a walk along an axis a step before it
// would touch.
INSTANTIATE_TEST_SUITE_P(
    Walks, WalkTest,
    ::testing::Values(
        WalkCase{"AlongXIntoWallStops", {2, 0, 0}, {1, 0, 0}, true, 30, {3.9f, 0, 0}, {4.1f, 0, 0}, true},
        WalkCase{"DiagonallyIntoWallSlides",
                 {2, 0, 0},
                 {kDiagonal, 0, kDiagonal},
                 true,
                 40,
                 {3.9f, 0, 4},
                 {4.1f, 0, 7},
                 false},
        WalkCase{
            "WithoutBodyBoxPassesWall", {2, 0, 0}, {1, 0, 0}, false, 30, {6.9f, 0, 0}, {7.1f, 0, 0}, false},
        WalkCase{"CrateInViewStops", {42, 0, 0}, {1, 0, 0}, true, 30, {43.9f, 0, 0}, {44.1f, 0, 0}, true},
        WalkCase{"CrateOutOfViewIsPassed",
                 {42, 0, 20},
                 {1, 0, 0},
                 true,
                 30,
                 {46.9f, 0, 20},
                 {47.1f, 0, 20},
                 false},
        WalkCase{"LevelBoxInCratePlaceStops",
                 {42, 0, -20},
                 {1, 0, 0},
                 true,
                 30,
                 {43.9f, 0, -20},
                 {44.1f, 0, -20},
                 true},
        WalkCase{"BoxCentredAt6Stops", {76, 0, 0}, {1, 0, 0}, true, 30, {78.4f, 0, 0}, {78.6f, 0, 0}, true},
        WalkCase{"BoxCentredAbove6IsPassed",
                 {76, 0, 20},
                 {1, 0, 0},
                 true,
                 30,
                 {80.9f, 0, 20},
                 {81.1f, 0, 20},
                 false},
        WalkCase{"TwoSpheresStop", {120, 0, 0}, {1, 0, 0}, true, 40, {124.0f, 0, 0}, {124.4f, 0, 0}, true},
        WalkCase{"SphereWithBoxStops",
                 {120, 0, 20.3f},
                 {1, 0, 0},
                 true,
                 40,
                 {123.6f, 0, 20.3f},
                 {124.1f, 0, 20.3f},
                 true},
        WalkCase{"LoneSphereIsWalkedRound",
                 {120, 0, 40.3f},
                 {1, 0, 0},
                 true,
                 60,
                 {126, 0, 40.3f},
                 {131, 0, 42},
                 false},
        WalkCase{"WithoutBodyBoxSphereIsWalkedRound",
                 {120, 0, 40.3f},
                 {1, 0, 0},
                 false,
                 60,
                 {126, 0, 40.3f},
                 {131, 0, 42},
                 false},
        // Straight at a round obstacle's centre neither way round is nearer: the walk stops.
        WalkCase{"StraightAtSphereCentreStops",
                 {120, 0, 60},
                 {1, 0, 0},
                 true,
                 40,
                 {123.8f, 0, 60},
                 {124.2f, 0, 60},
                 true}),
    LabelOf<WalkCase>);

class WalkRoundTest : public WalkArena, public ::testing::Test {};

// The lone sphere is never entered on the way round.
TEST_F(WalkRoundTest, WalkingRoundASphereKeepsOutOfIt) {
    Walker walker(m_obstacles, {120, 0, 40.3f});
    for (int i = 0; i < 60; ++i) {
        walker.Frame({1, 0, 0});
        const Float3& p = walker.Position();
        EXPECT_GE(std::hypot(p.x - 125.0f, p.z - 40.0f), 0.5f) << "frame " << i;
    }
}

struct BoxCase {
    std::string label;
    CollisionOBB box;
    bool levelBox;  // else a prop in view, which keeps its turn
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.label; }
};

class TurnNearBoxTest : public ::testing::TestWithParam<BoxCase> {};

// Any two key headings held one after the other, from starts all round a box: walking up to it diagonally
// and then turning along its side must not take the player into it.
TEST_P(TurnNearBoxTest, TwoHeadingsInTurnNeverEnterTheBox) {
    const BoxCase& c = GetParam();
    CollisionManager obstacles;
    const ObjectVolumes prop{{c.box}, {}};
    const ObjectVolumes* shown[] = {&prop};
    if (c.levelBox) {
        obstacles.SetLevelBoxes(std::vector<CollisionOBB>{c.box});
    } else {
        obstacles.SetObjects(shown, {});
    }
    const Float3 headings[] = {{1, 0, 0},
                               {-1, 0, 0},
                               {0, 0, 1},
                               {0, 0, -1},
                               {kDiagonal, 0, kDiagonal},
                               {kDiagonal, 0, -kDiagonal},
                               {-kDiagonal, 0, kDiagonal},
                               {-kDiagonal, 0, -kDiagonal}};
    for (float x = -3.0f; x <= 3.0f; x += 0.75f) {
        for (float z = -6.5f; z <= 6.5f; z += 0.75f) {
            if (obstacles.IsBlocked({x, 0, z}, kSphereRadius)) {
                continue;
            }
            for (const Float3& first : headings) {
                for (const Float3& second : headings) {
                    Walker walker(obstacles, {x, 0, z});
                    for (int frame = 0; frame < 30; ++frame) {
                        walker.Frame(frame < 15 ? first : second);
                        const Float3& p = walker.Position();
                        ASSERT_FALSE(OBBSphereOverlap(c.box, {{p.x, 1, p.z}, 0.0f}))
                            << "from " << x << ", " << z << " heading " << first.x << ", " << first.z
                            << " then " << second.x << ", " << second.z << ": inside at " << p.x << ", "
                            << p.z;
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TurnNearBoxTest,
    ::testing::Values(
        BoxCase{"WallEnd", Box({0, 3, 0}, {0.75f, 3, 5}), true},
        BoxCase{"TurnedCrate",
                MakeCollisionOBB({0, 1, 0}, {1, 1, 1}, {0, std::sin(1.42f), 0, std::cos(1.42f)}), false},
        BoxCase{"TurnedWall",
                MakeCollisionOBB({0, 3, 0}, {0.75f, 3, 4}, {0, std::sin(0.6f), 0, std::cos(0.6f)}), false}),
    LabelOf<BoxCase>);

struct FrameCase {
    std::string label;
    WalkInput input;
    WalkState expected;
    friend void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.label; }
};

class WalkFrameTest : public WalkArena, public ::testing::TestWithParam<FrameCase> {};

TEST_P(WalkFrameTest, EndsFiniteWhereExpected) {
    const FrameCase& c = GetParam();
    const WalkState end = MoveWithCollision(m_obstacles, c.input);
    EXPECT_NEAR(end.position.x, c.expected.position.x, 1e-4f);
    EXPECT_NEAR(end.position.y, c.expected.position.y, 1e-4f);
    EXPECT_NEAR(end.position.z, c.expected.position.z, 1e-4f);
    EXPECT_NEAR(end.direction.x, c.expected.direction.x, 1e-4f);
    EXPECT_NEAR(end.direction.y, c.expected.direction.y, 1e-4f);
    EXPECT_NEAR(end.direction.z, c.expected.direction.z, 1e-4f);
}

WalkInput Input(const Float3& position, const Float3& heading, float speed = kWalkSpeed,
                float frameTime = kFrameTime) {
    WalkInput input;
    input.walk = {position, heading};
    input.speed = speed;
    input.frameTime = frameTime;
    input.sphere = {position, kSphereRadius};
    input.body = NinjaBody(position);
    return input;
}

WalkInput WithSphere(WalkInput input, const CollisionSphere& sphere) {
    input.sphere = sphere;
    return input;
}

const Float3 kOpen{200, 0, 0};
constexpr float kStep = kWalkSpeed * kFrameTime;
// Beside the sphere at (125, 0.5, 60), level with its centre along z, walking towards it and a little to +z.
const Float3 kLevelWithCentre{125.9f, 0, 60};
const Float3 kNearlyAtCentre{-std::cos(0.1f), 0, std::sin(0.1f)};

INSTANTIATE_TEST_SUITE_P(
    Frames, WalkFrameTest,
    ::testing::Values(
        FrameCase{"OpenGround", Input(kOpen, {1, 0, 0}), {{200 + kStep, 0, 0}, {1, 0, 0}}},
        FrameCase{"ZeroHeadingStays", Input(kOpen, {0, 0, 0}), {kOpen, {0, 0, 0}}},
        // The tangent there runs along z; the heading leans to +z.
        FrameCase{"LevelWithSphereCentreTurnsAlongZ",
                  Input(kLevelWithCentre, kNearlyAtCentre),
                  {{125.9f, 0, 60 + kStep}, {0, 0, 1}}},
        FrameCase{"NaNHeadingStops", Input(kOpen, {kNaN, 0, 0}), {kOpen, {0, 0, 0}}},
        FrameCase{"NaNSpeedStops", Input(kOpen, {1, 0, 0}, kNaN), {kOpen, {0, 0, 0}}},
        FrameCase{"NegativeSpeedStops", Input(kOpen, {1, 0, 0}, -kWalkSpeed), {kOpen, {0, 0, 0}}},
        FrameCase{
            "InfiniteFrameTimeStops", Input(kOpen, {1, 0, 0}, kWalkSpeed, kInfinity), {kOpen, {0, 0, 0}}},
        FrameCase{"OverflowingMoveStops",
                  Input({3e38f, 0, 0}, {1, 0, 0}, 1e38f, 10.0f),
                  {{3e38f, 0, 0}, {0, 0, 0}}},
        FrameCase{"NaNSphereMovesAsInTheOpen",
                  WithSphere(Input(kOpen, {1, 0, 0}), {{kNaN, 0, 0}, kNaN}),
                  {{200 + kStep, 0, 0}, {1, 0, 0}}}),
    LabelOf<FrameCase>);

struct BendCase {
    std::string label;
    Float3 position;  // about a sphere centred at the origin
    Float3 heading;
    Float3 expected;
    friend void PrintTo(const BendCase& c, std::ostream* os) { *os << c.label; }
};

class BendTest : public ::testing::TestWithParam<BendCase> {};

// The bend is the tangent at the point of the circle nearest the player, on the side the heading leans to.
TEST_P(BendTest, TurnsAlongTheTangent) {
    const BendCase& c = GetParam();
    const Float3 bent = BendRoundSphere(c.position, c.heading, {0, 0, 0});
    EXPECT_NEAR(bent.x, c.expected.x, 1e-5f);
    EXPECT_EQ(bent.y, 0.0f);
    EXPECT_NEAR(bent.z, c.expected.z, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(
    Bends, BendTest,
    ::testing::Values(
        BendCase{"FromUpperLeftOverTheTop", {-1, 0, 1}, {1, 0, 0}, {kDiagonal, 0, kDiagonal}},
        BendCase{"FromLowerLeftUnderTheBottom", {-1, 0, -1}, {1, 0, 0}, {kDiagonal, 0, -kDiagonal}},
        BendCase{"FromAboveLeaningLeft", {0, 0, 1}, {-0.1f, 0, -1}, {-1, 0, 0}},
        BendCase{"FromAboveLeaningRight", {0, 0, 1}, {0.1f, 0, -1}, {1, 0, 0}},
        BendCase{"FromRightLevelLeaningUp", {1, 0, 0}, {-1, 0, 0.1f}, {0, 0, 1}},
        BendCase{"FromRightLevelLeaningDown", {1, 0, 0}, {-1, 0, -0.1f}, {0, 0, -1}},
        BendCase{"FromLeftLevelLeaningUp", {-1, 0, 0}, {1, 0, 0.1f}, {0, 0, 1}},
        BendCase{"FromLeftLevelLeaningDown", {-1, 0, 0}, {1, 0, -0.1f}, {0, 0, -1}},
        BendCase{"StraightAtCentreFromRight", {1, 0, 0}, {-1, 0, 0}, {0, 0, 0}},
        BendCase{"StraightAtCentreAlongNegativeZero", {1, 0, 0}, {-1, 0, -0.0f}, {0, 0, 0}},
        BendCase{"StraightAtCentreFromBelow", {0, 0, -2}, {0, 0, 1}, {0, 0, 0}},
        BendCase{"StraightAtCentreFromBelowLeft", {-1, 0, -1}, {kDiagonal, 0, kDiagonal}, {0, 0, 0}}),
    LabelOf<BendCase>);

}  // namespace
