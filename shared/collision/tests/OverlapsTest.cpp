#include "shared/collision/Overlaps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "shared/tests/CaseLabel.h"

namespace {

// An eighth of a turn (45°) about y.
const Float4 kEighthTurnY{0.0f, std::sin(0.3926991f), 0.0f, std::cos(0.3926991f)};

struct BoxPairCase {
    std::string label;
    CollisionBox a;
    CollisionBox b;
    bool overlap;
    friend void PrintTo(const BoxPairCase& c, std::ostream* os) { *os << c.label; }
};

class BoxesOverlapTest : public ::testing::TestWithParam<BoxPairCase> {};

TEST_P(BoxesOverlapTest, AnswersAsTheExactTest) {
    const BoxPairCase& c = GetParam();
    EXPECT_EQ(BoxesOverlap(c.a, c.b), c.overlap);
    EXPECT_EQ(BoxesOverlap(c.b, c.a), c.overlap);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, BoxesOverlapTest,
    ::testing::Values(
        BoxPairCase{"Overlapping", MakeCollisionBox({0, 0, 0}, {1, 1, 1}),
                    MakeCollisionBox({1.5f, 0, 0}, {1, 1, 1}), true},
        BoxPairCase{"ApartAlongX", MakeCollisionBox({0, 0, 0}, {1, 1, 1}),
                    MakeCollisionBox({2.5f, 0, 0}, {1, 1, 1}), false},
        // The bounding spheres overlap, the thin boxes do not.
        BoxPairCase{"SpheresMeetBoxesApart", MakeCollisionBox({0, 0, 0}, {2, 0.1f, 0.1f}),
                    MakeCollisionBox({0, 1, 0}, {2, 0.1f, 0.1f}), false},
        // Corner to corner: 3.29 apart, further than the two radii (2.83) but within the boxes' reach.
        BoxPairCase{"CubesMeetAtCorners", MakeCollisionBox({0, 0, 0}, {1, 1, 1}),
                    MakeCollisionBox({1.9f, 1.9f, 1.9f}, {1, 1, 1}), true},
        BoxPairCase{"CubesApartAtCorners", MakeCollisionBox({0, 0, 0}, {1, 1, 1}),
                    MakeCollisionBox({2.1f, 1.9f, 1.9f}, {1, 1, 1}), false}),
    LabelOf<BoxPairCase>);

struct OBBPairCase {
    std::string label;
    CollisionOBB a;
    CollisionOBB b;
    bool overlap;
    friend void PrintTo(const OBBPairCase& c, std::ostream* os) { *os << c.label; }
};

class OBBsOverlapTest : public ::testing::TestWithParam<OBBPairCase> {};

TEST_P(OBBsOverlapTest, AnswersAsTheExactTest) {
    const OBBPairCase& c = GetParam();
    EXPECT_EQ(OBBsOverlap(c.a, c.b), c.overlap);
    EXPECT_EQ(OBBsOverlap(c.b, c.a), c.overlap);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, OBBsOverlapTest,
    ::testing::Values(
        OBBPairCase{"Overlapping", MakeCollisionOBB({0, 0, 0}, {1, 1, 1}, kNoRotation),
                    MakeCollisionOBB({0, 0, 1.5f}, {1, 1, 1}, kEighthTurnY), true},
        // Two parallel boards turned by 45°, 1.2 apart across their faces: their unturned boxes would
        // overlap.
        OBBPairCase{"TurnedBoardsSideBySide", MakeCollisionOBB({0, 0, 0}, {3, 1, 0.2f}, kEighthTurnY),
                    MakeCollisionOBB({0.8485281f, 0, 0.8485281f}, {3, 1, 0.2f}, kEighthTurnY), false},
        OBBPairCase{"TurnedBoardsTouching", MakeCollisionOBB({0, 0, 0}, {3, 1, 0.2f}, kEighthTurnY),
                    MakeCollisionOBB({0.2121320f, 0, 0.2121320f}, {3, 1, 0.2f}, kEighthTurnY), true},
        OBBPairCase{"CubesMeetAtCorners", MakeCollisionOBB({0, 0, 0}, {1, 1, 1}, kNoRotation),
                    MakeCollisionOBB({1.9f, 1.9f, 1.9f}, {1, 1, 1}, kNoRotation), true}),
    LabelOf<OBBPairCase>);

struct OBBSphereCase {
    std::string label;
    CollisionOBB box;
    CollisionSphere sphere;
    bool overlap;
    friend void PrintTo(const OBBSphereCase& c, std::ostream* os) { *os << c.label; }
};

class OBBSphereOverlapTest : public ::testing::TestWithParam<OBBSphereCase> {};

TEST_P(OBBSphereOverlapTest, AnswersAsTheExactTest) {
    const OBBSphereCase& c = GetParam();
    EXPECT_EQ(OBBSphereOverlap(c.box, c.sphere), c.overlap);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, OBBSphereOverlapTest,
    ::testing::Values(
        OBBSphereCase{
            "TouchesFace", MakeCollisionOBB({0, 0, 0}, {1, 1, 1}, kNoRotation), {{1.4f, 0, 0}, 0.5f}, true},
        OBBSphereCase{
            "Apart", MakeCollisionOBB({0, 0, 0}, {1, 1, 1}, kNoRotation), {{1.6f, 0, 0}, 0.5f}, false},
        // Inside the turned board's axis-aligned bounds, but off its faces.
        OBBSphereCase{"BesideTurnedBoard",
                      MakeCollisionOBB({0, 0, 0}, {3, 1, 0.2f}, kEighthTurnY),
                      {{1.5f, 0, 1.5f}, 0.5f},
                      false},
        OBBSphereCase{"OnTurnedBoard",
                      MakeCollisionOBB({0, 0, 0}, {3, 1, 0.2f}, kEighthTurnY),
                      {{1.5f, 0, -1.5f}, 0.5f},
                      true},
        // 0.17 from the cube's corner, 1.9 from its centre: beyond the radius 1.41 plus 0.2.
        OBBSphereCase{"NearCubeCorner",
                      MakeCollisionOBB({0, 0, 0}, {1, 1, 1}, kNoRotation),
                      {{1.1f, 1.1f, 1.1f}, 0.2f},
                      true}),
    LabelOf<OBBSphereCase>);

}  // namespace
