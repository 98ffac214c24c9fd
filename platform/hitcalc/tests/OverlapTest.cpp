// The four overlap tests against point sampling on random shapes, and the boundary and degenerate cases whose
// answers the library fixes.
#include <cmath>
#include <limits>
#include <ostream>
#include <random>

#include <gtest/gtest.h>
#include <glm/geometric.hpp>

#include "ReferenceShape.h"
#include "hitcalc/Intersections.h"

namespace hitcalc_test {
namespace {

using IntersectionTests::Intersections;
using Kind = ReferenceShape::Kind;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
const XMFLOAT4 kNoTurn{0.0f, 0.0f, 0.0f, 1.0f};

// A turn by angle about the y axis, as (x, y, z, w).
XMFLOAT4 TurnAboutY(double angle) {
    return {0.0f, static_cast<float>(std::sin(angle / 2.0)), 0.0f, static_cast<float>(std::cos(angle / 2.0))};
}

struct OverlapKind {
    const char* name;
    Kind first;
    Kind second;
    bool oriented;
    bool (*overlap)(const ReferenceShape& a, const ReferenceShape& b);
};

const OverlapKind kOverlapKinds[] = {
    {"SphereSphere", Kind::Sphere, Kind::Sphere, false,
     [](const ReferenceShape& a, const ReferenceShape& b) {
         return Intersections::SphereSphereCollision(a.center, a.radius, b.center, b.radius);
     }},
    {"OBBSphere", Kind::Box, Kind::Sphere, true,
     [](const ReferenceShape& a, const ReferenceShape& b) {
         return Intersections::OBBSphereCollision(a.center, a.halfSizes, a.orientation, b.center, b.radius);
     }},
    {"OBBOBB", Kind::Box, Kind::Box, true,
     [](const ReferenceShape& a, const ReferenceShape& b) {
         return Intersections::OBBOBBCollision(a.center, a.halfSizes, a.orientation, b.center, b.halfSizes,
                                               b.orientation);
     }},
    {"BoxBox", Kind::Box, Kind::Box, false,
     [](const ReferenceShape& a, const ReferenceShape& b) {
         return Intersections::BoxBoxCollision(a.center, a.halfSizes, b.center, b.halfSizes);
     }},
};

void PrintTo(const OverlapKind& row, std::ostream* out) {
    *out << row.name;
}

class SampledOverlapTest : public ::testing::TestWithParam<OverlapKind> {};

ReferenceShape RandomShape(std::mt19937& rng, Kind kind, bool oriented, const glm::dvec3& center) {
    return kind == Kind::Sphere ? RandomSphere(rng, center) : RandomBox(rng, center, oriented);
}

// Pairs placed near contact: the second shape's centre sits along a random direction at 0.5 to 1.2 times the
// distance at which the two shapes' extents along that direction meet, so that both answers are common and
// many pairs touch by an edge or a corner.
TEST_P(SampledOverlapTest, AgreesWithPointSamplingOnRandomPairs) {
    const OverlapKind& kind = GetParam();
    std::mt19937 rng(20240611u);
    int yes = 0;
    int no = 0;
    constexpr int kPairs = 400;
    for (int n = 0; n < kPairs; ++n) {
        const glm::dvec3 c1 = RandomUnit(rng) * 5.0;
        const ReferenceShape a = RandomShape(rng, kind.first, kind.oriented, c1);
        const glm::dvec3 u = RandomUnit(rng);
        ReferenceShape b = RandomShape(rng, kind.second, kind.oriented, c1);
        const double contact = a.Support(u) + b.Support(u);
        b.center = ToFloat3(c1 + u * (contact * std::uniform_real_distribution<double>(0.5, 1.2)(rng)));

        const Verdict expected = SampledOverlap(a, b);
        if (expected == Verdict::Unsure) {
            continue;
        }
        const bool want = expected == Verdict::Yes;
        (want ? yes : no) += 1;
        EXPECT_EQ(kind.overlap(a, b), want) << "pair " << n << ": " << a.Describe() << " / " << b.Describe();
        if (kind.first == kind.second) {
            EXPECT_EQ(kind.overlap(b, a), want) << "pair " << n << " swapped";
        }
    }
    // Both answers must be well represented, or the comparison above proves little.
    EXPECT_GE(yes, kPairs / 4);
    EXPECT_GE(no, kPairs / 4);
}

INSTANTIATE_TEST_SUITE_P(AllOverlapTests, SampledOverlapTest, ::testing::ValuesIn(kOverlapKinds),
                         [](const ::testing::TestParamInfo<OverlapKind>& row) { return row.param.name; });

struct SphereCase {
    const char* what;
    XMFLOAT3 c1;
    float r1;
    XMFLOAT3 c2;
    float r2;
    bool overlap;
};

TEST(SphereSphereCollision, BoundaryAndDegenerateCases) {
    const SphereCase cases[] = {
        {"touching spheres overlap", {0, 0, 0}, 1.0f, {3, 0, 0}, 2.0f, true},
        {"a gap of 0.001 separates", {0, 0, 0}, 1.0f, {3.001f, 0, 0}, 2.0f, false},
        {"melee swing reaches an enemy 3.9 ahead", {0, 0, 0}, 3.0f, {0, 0, 3.9f}, 1.0f, true},
        {"melee swing misses an enemy 4.1 ahead", {0, 0, 0}, 3.0f, {0, 0, 4.1f}, 1.0f, false},
        {"a zero radius is a point, inside the other sphere", {0, 0, 0}, 0.0f, {0.5f, 0, 0}, 1.0f, true},
        {"two points meet only when equal", {1, 2, 3}, 0.0f, {1, 2, 3}, 0.0f, true},
        {"a negative radius is empty, even when concentric", {0, 0, 0}, -1.0f, {0, 0, 0}, 5.0f, false},
        {"NaN centre", {kNaN, 0, 0}, 1.0f, {0, 0, 0}, 1.0f, false},
        {"NaN radius", {0, 0, 0}, kNaN, {0, 0, 0}, 1.0f, false},
        {"infinite radius", {0, 0, 0}, kInf, {0, 0, 0}, 1.0f, false},
        {"far apart huge coordinates do not overflow", {-3e38f, 0, 0}, 1.0f, {3e38f, 0, 0}, 1.0f, false},
    };
    for (const SphereCase& c : cases) {
        EXPECT_EQ(Intersections::SphereSphereCollision(c.c1, c.r1, c.c2, c.r2), c.overlap) << c.what;
    }
}

struct ObbSphereCase {
    const char* what;
    XMFLOAT3 boxCenter;
    XMFLOAT3 halfSizes;
    XMFLOAT4 orientation;
    XMFLOAT3 sphereCenter;
    float radius;
    bool overlap;
};

TEST(OBBSphereCollision, BoundaryAndDegenerateCases) {
    const XMFLOAT3 unit{1, 1, 1};
    const ObbSphereCase cases[] = {
        {"touching a face", {0, 0, 0}, unit, kNoTurn, {3, 0, 0}, 2.0f, true},
        {"near a corner but outside its rounding", {0, 0, 0}, unit, kNoTurn, {2, 2, 0}, 1.4f, false},
        {"near a corner and reaching it", {0, 0, 0}, unit, kNoTurn, {2, 2, 0}, 1.42f, true},
        {"sphere wholly inside the box", {0, 0, 0}, {5, 5, 5}, kNoTurn, {1, 1, 1}, 0.5f, true},
        {"box wholly inside the sphere", {0, 0, 0}, unit, kNoTurn, {0.5f, 0, 0}, 10.0f, true},
        {"a zero quaternion leaves the box unturned",
         {0, 0, 0},
         {3, 1, 1},
         {0, 0, 0, 0},
         {3.5f, 0, 0},
         0.6f,
         true},
        {"a quaternion of length 4 turns like its unit",
         {0, 0, 0},
         {3, 1, 1},
         {0, 2.828427f, 0, 2.828427f},
         {0, 0, 3.5f},
         0.6f,
         true},
        {"... and not the unturned way",
         {0, 0, 0},
         {3, 1, 1},
         {0, 2.828427f, 0, 2.828427f},
         {3.5f, 0, 0},
         0.6f,
         false},
        {"zero half-sizes make a point", {0, 0, 0}, {0, 0, 0}, kNoTurn, {0.9f, 0, 0}, 1.0f, true},
        {"a negative half-size makes the box empty", {0, 0, 0}, {1, -1, 1}, kNoTurn, {0, 0, 0}, 1.0f, false},
        {"a negative radius makes the sphere empty", {0, 0, 0}, unit, kNoTurn, {0, 0, 0}, -0.5f, false},
        {"NaN orientation", {0, 0, 0}, unit, {kNaN, 0, 0, 1}, {0, 0, 0}, 1.0f, false},
        {"infinite sphere centre", {0, 0, 0}, unit, kNoTurn, {kInf, 0, 0}, 1.0f, false},
    };
    for (const ObbSphereCase& c : cases) {
        EXPECT_EQ(Intersections::OBBSphereCollision(c.boxCenter, c.halfSizes, c.orientation, c.sphereCenter,
                                                    c.radius),
                  c.overlap)
            << c.what;
    }
}

// The stab of a player standing at p facing f: a box centred 2 ahead, half-sizes (0.7, 1, 2), turned about y
// by atan2(f.x, f.z). Its long side must lie along the facing, which pins down the quaternion convention: a
// turn the other way would put the long side across the facing.
TEST(OBBSphereCollision, BoxTurnedTowardAFacingLiesAlongIt) {
    const glm::dvec3 p{3.0, 1.0, -2.0};
    for (const double degrees : {0.0, 30.0, 45.0, 135.0, -60.0, -150.0}) {
        const double a = degrees * 3.14159265358979 / 180.0;
        const glm::dvec3 f{std::sin(a), 0.0, std::cos(a)};
        const glm::dvec3 across{f.z, 0.0, -f.x};
        const XMFLOAT3 center = ToFloat3(p + 2.0 * f);
        const XMFLOAT3 half{0.7f, 1.0f, 2.0f};
        const XMFLOAT4 q = TurnAboutY(std::atan2(f.x, f.z));
        EXPECT_TRUE(Intersections::OBBSphereCollision(center, half, q, ToFloat3(p + 3.9 * f), 0.05f))
            << degrees;
        EXPECT_FALSE(Intersections::OBBSphereCollision(center, half, q, ToFloat3(p + 4.2 * f), 0.1f))
            << degrees;
        EXPECT_FALSE(
            Intersections::OBBSphereCollision(center, half, q, ToFloat3(p + 2.0 * f + 1.5 * across), 0.5f))
            << degrees;
    }
}

struct BoxPairCase {
    const char* what;
    XMFLOAT3 c1;
    XMFLOAT3 h1;
    XMFLOAT4 q1;
    XMFLOAT3 c2;
    XMFLOAT3 h2;
    XMFLOAT4 q2;
    bool overlap;
};

// Two cubes turned by 45 degrees, one about z and one about x, stacked along y: their top and bottom edges
// cross at right angles. Every face normal sees the shapes overlap; only the cross product of the two edges
// (the y axis) can show the gap.
TEST(OBBOBBCollision, BoundaryAndDegenerateCases) {
    const float s = static_cast<float>(std::sin(3.14159265358979 / 8.0));
    const float c = static_cast<float>(std::cos(3.14159265358979 / 8.0));
    const XMFLOAT4 aboutZ{0, 0, s, c};
    const XMFLOAT4 aboutX{s, 0, 0, c};
    const float stacked = 2.0f * std::sqrt(2.0f);
    const XMFLOAT3 unit{1, 1, 1};
    const BoxPairCase cases[] = {
        {"crossed edges with a gap", {0, 0, 0}, unit, aboutZ, {0, stacked + 0.05f, 0}, unit, aboutX, false},
        {"crossed edges pressed together",
         {0, 0, 0},
         unit,
         aboutZ,
         {0, stacked - 0.05f, 0},
         unit,
         aboutX,
         true},
        {"faces touching", {0, 0, 0}, unit, kNoTurn, {2, 0, 0}, unit, kNoTurn, true},
        {"corners touching", {0, 0, 0}, unit, kNoTurn, {2, 2, 2}, unit, kNoTurn, true},
        {"small box wholly inside a large turned one",
         {0, 0, 0},
         {5, 5, 5},
         aboutZ,
         {1, 0, 1},
         {0.1f, 0.2f, 0.3f},
         aboutX,
         true},
        {"identically turned boxes overlapping",
         {0, 0, 0},
         unit,
         aboutZ,
         {1.9f, 0.3f, 0.5f},
         unit,
         aboutZ,
         true},
        {"parallel edges, separated along a face normal",
         {0, 0, 0},
         unit,
         aboutZ,
         {2.9f, 0, 0},
         unit,
         aboutZ,
         false},
        {"flat boxes crossing", {0, 0, 0}, {2, 0, 2}, kNoTurn, {0, 0, 0}, {0, 2, 2}, aboutX, true},
        {"a negative half-size makes a box empty",
         {0, 0, 0},
         {1, 1, -1},
         kNoTurn,
         {0, 0, 0},
         unit,
         kNoTurn,
         false},
        {"a zero quaternion leaves the box unturned",
         {0, 0, 0},
         {3, 1, 1},
         {0, 0, 0, 0},
         {3.5f, 0, 0},
         unit,
         kNoTurn,
         true},
        {"NaN centre", {0, kNaN, 0}, unit, kNoTurn, {0, 0, 0}, unit, kNoTurn, false},
        {"NaN orientation", {0, 0, 0}, unit, kNoTurn, {0, 0, 0}, unit, {0, 0, 0, kNaN}, false},
    };
    for (const BoxPairCase& k : cases) {
        EXPECT_EQ(Intersections::OBBOBBCollision(k.c1, k.h1, k.q1, k.c2, k.h2, k.q2), k.overlap) << k.what;
        EXPECT_EQ(Intersections::OBBOBBCollision(k.c2, k.h2, k.q2, k.c1, k.h1, k.q1), k.overlap)
            << k.what << " (swapped)";
    }
}

TEST(BoxBoxCollision, BoundaryAndDegenerateCases) {
    const XMFLOAT3 unit{1, 1, 1};
    const BoxPairCase cases[] = {
        {"faces touching", {0, 0, 0}, unit, {}, {2, 0, 0}, unit, {}, true},
        {"a gap of 0.001", {0, 0, 0}, unit, {}, {2.001f, 0, 0}, unit, {}, false},
        {"edges touching", {0, 0, 0}, unit, {}, {0, 2, -2}, unit, {}, true},
        {"apart along one axis only", {0, 0, 0}, unit, {}, {0.5f, 0.5f, 2.5f}, unit, {}, false},
        {"one wholly inside the other", {0, 0, 0}, {4, 4, 4}, {}, {1, 1, 1}, {0.5f, 0.5f, 0.5f}, {}, true},
        {"zero half-sizes make a point, on the face", {1, 0, 0}, {0, 0, 0}, {}, {0, 0, 0}, unit, {}, true},
        {"a negative half-size makes a box empty", {0, 0, 0}, {-1, 1, 1}, {}, {0, 0, 0}, unit, {}, false},
        {"NaN half-size", {0, 0, 0}, {kNaN, 1, 1}, {}, {0, 0, 0}, unit, {}, false},
    };
    for (const BoxPairCase& k : cases) {
        EXPECT_EQ(Intersections::BoxBoxCollision(k.c1, k.h1, k.c2, k.h2), k.overlap) << k.what;
        EXPECT_EQ(Intersections::BoxBoxCollision(k.c2, k.h2, k.c1, k.h1), k.overlap)
            << k.what << " (swapped)";
    }
}

}  // namespace
}  // namespace hitcalc_test
