#include "shared/collision/ModelPlacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "shared/collision/tests/ShapeExpectations.h"
#include "shared/tests/CaseLabel.h"

namespace {

// Rotations about one axis by the right-hand rule, written out as matrices.
Float3 AboutX(const Float3& p, float a) {
    return {p.x, p.y * std::cos(a) - p.z * std::sin(a), p.y * std::sin(a) + p.z * std::cos(a)};
}
Float3 AboutY(const Float3& p, float a) {
    return {p.x * std::cos(a) + p.z * std::sin(a), p.y, -p.x * std::sin(a) + p.z * std::cos(a)};
}
Float3 AboutZ(const Float3& p, float a) {
    return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a), p.z};
}

struct PlacementCase {
    std::string label;
    Float3 angles;  // pitch, yaw, roll
    Float3 point;
    Float3 position;
    friend void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }
};

class ModelPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

// Roll first, then pitch, then yaw, then the move: any other order of the turns gives another point for the
// mixed rows, and moving before turning would turn the position too.
TEST_P(ModelPlacementTest, TurnsByRollThenPitchThenYawAboutTheOriginThenMoves) {
    const PlacementCase& c = GetParam();
    const Float4 q = RollPitchYawQuaternion(c.angles);
    EXPECT_NEAR(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w, 1.0f, 1e-5f);

    const Float3 turned = AboutY(AboutX(AboutZ(c.point, c.angles.z), c.angles.x), c.angles.y);
    const Float3 expected{turned.x + c.position.x, turned.y + c.position.y, turned.z + c.position.z};
    EXPECT_TRUE(Near(PlaceModelPoint(c.point, q, c.position), expected));
}

const float kQuarter = 1.5707963f;

INSTANTIATE_TEST_SUITE_P(
    Rotations, ModelPlacementTest,
    ::testing::Values(PlacementCase{"NoTurn", {0, 0, 0}, {1, 2, 3}, {10, 0, 5}},
                      PlacementCase{"QuarterYaw", {0, kQuarter, 0}, {2, 0, 0}, {10, 0, 5}},
                      PlacementCase{"QuarterPitch", {kQuarter, 0, 0}, {0, 1, 0}, {0, 0, 0}},
                      PlacementCase{"QuarterRoll", {0, 0, kQuarter}, {1, 0, 0}, {0, 0, 0}},
                      PlacementCase{"RollThenPitch", {kQuarter, 0, kQuarter}, {1, 0, 0}, {0, 0, 0}},
                      PlacementCase{"PitchThenYaw", {kQuarter, kQuarter, 0}, {0, 1, 0}, {0, 0, 0}},
                      PlacementCase{"AllThreeMixed", {0.3f, 1.1f, -0.7f}, {1, 2, 3}, {-4, 1.5f, 8}}),
    LabelOf<PlacementCase>);

}  // namespace
