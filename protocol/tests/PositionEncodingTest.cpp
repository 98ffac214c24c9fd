// The compressed numbers of ID_POSITION_UPDATE: split, scale, truncate toward zero, and the values the fields
// cannot hold.
#include "protocol/PositionEncoding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace protocol {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kMax = std::numeric_limits<float>::max();

struct PositionCase {
    float value;
    PackedPosition packed;
};

class PositionPacking : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionPacking, SplitsScalesAndTruncatesTowardZero) {
    const PackedPosition packed = PackPosition(GetParam().value);
    EXPECT_EQ(packed.mantissa, GetParam().packed.mantissa);
    EXPECT_EQ(packed.exponent, GetParam().packed.exponent);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PositionPacking,
    ::testing::Values(PositionCase{10.0f, {6250, 4}}, PositionCase{-3.0f, {-7500, 2}},
                      PositionCase{0.0f, {0, 0}}, PositionCase{1.0f, {5000, 1}},
                      PositionCase{0.1f, {8000, -3}},
                      // 0.7137... * 10000 = 7137.33: truncated, and toward zero for the negative value.
                      PositionCase{45.6789f, {7137, 6}}, PositionCase{-45.6789f, {-7137, 6}},
                      PositionCase{1000.0f, {9765, 10}},
                      // Smallest normal float: the exponent still fits.
                      PositionCase{std::ldexp(1.0f, -126), {5000, -125}},
                      // Not finite: packs as zero instead of converting NaN or infinity to an integer.
                      PositionCase{kNaN, {0, 0}}, PositionCase{kInf, {0, 0}}, PositionCase{-kInf, {0, 0}},
                      // Exponent 128 does not fit a signed byte: clamped to 127, the magnitude saturates.
                      PositionCase{kMax, {9999, 127}}, PositionCase{-kMax, {-9999, 127}},
                      // Exponent -148 does not fit: the value packs as zero.
                      PositionCase{std::numeric_limits<float>::denorm_min(), {0, 0}}));

struct DirectionCase {
    float value;
    PackedDirection packed;
};

class DirectionPacking : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(DirectionPacking, SplitsScalesAndTruncatesTowardZero) {
    const PackedDirection packed = PackDirection(GetParam().value);
    EXPECT_EQ(packed.mantissa, GetParam().packed.mantissa);
    EXPECT_EQ(packed.exponent, GetParam().packed.exponent);
}

INSTANTIATE_TEST_SUITE_P(Values, DirectionPacking,
                         ::testing::Values(DirectionCase{1.0f, {50, 1}}, DirectionCase{-1.0f, {-50, 1}},
                                           DirectionCase{0.0f, {0, 0}}, DirectionCase{0.7071f, {70, 0}},
                                           DirectionCase{-0.7071f, {-70, 0}}, DirectionCase{0.999f, {99, 0}},
                                           DirectionCase{kNaN, {0, 0}}, DirectionCase{kMax, {99, 127}}));

TEST(PositionUnpacking, RebuildsExactlyRepresentableValuesExactly) {
    EXPECT_EQ(UnpackPosition({6250, 4}), 10.0f);
    EXPECT_EQ(UnpackPosition({-7500, 2}), -3.0f);
    EXPECT_EQ(UnpackDirection({50, 1}), 1.0f);
    EXPECT_EQ(UnpackDirection({0, 0}), 0.0f);
}

TEST(PositionUnpacking, KeepsFourDigitsForPositionsAndTwoForDirections) {
    // Truncating m * scale with |m| >= 0.5 loses less than one unit of at least scale / 2.
    for (float v = -2000.0f; v <= 2000.0f; v += 0.37f) {
        if (v == 0.0f) {
            continue;
        }
        EXPECT_LE(std::fabs(UnpackPosition(PackPosition(v)) - v), std::fabs(v) * 2e-4f) << v;
    }
    for (float d = -1.0f; d <= 1.0f; d += 0.013f) {
        EXPECT_LE(std::fabs(UnpackDirection(PackDirection(d)) - d), std::fabs(d) * 2e-2f + 1e-6f) << d;
    }
}

TEST(PositionUnpacking, HostileFieldsSaturateInsteadOfLeavingTheFloatRange) {
    // A peer may pair any mantissa with exponent 127: 3.2767 * 2^127 is beyond the largest float.
    EXPECT_EQ(UnpackPosition({32767, 127}), kMax);
    EXPECT_EQ(UnpackPosition({-32768, 127}), -kMax);
    // 1.27 * 2^127 still fits, and the smallest exponent reaches into the subnormal floats.
    EXPECT_EQ(UnpackDirection({127, 127}), static_cast<float>(std::ldexp(1.27, 127)));
    EXPECT_EQ(UnpackPosition({5000, -128}), std::ldexp(1.0f, -129));
}

}  // namespace
}  // namespace protocol
