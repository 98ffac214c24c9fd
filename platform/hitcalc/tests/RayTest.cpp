// The three ray tests against point sampling along random rays, and the cases the callers rely on: distances
// in world units along directions of any length, nothing behind the origin, a miss from inside.
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
const XMFLOAT4 kNoTurn{0.0f, 0.0f, 0.0f, 1.0f};

// One ray test behind a common signature: the reported distance, 0 for a miss. The bool tests start with -1
// in the output so that a miss must write its 0.
struct RayKind {
    const char* name;
    Kind kind;
    bool oriented;
    float (*cast)(const XMFLOAT3& origin, const XMFLOAT3& direction, const ReferenceShape& shape);
};

// The ray tests that answer a bool must answer true exactly when they report a distance above 0.
float CastOBB(const XMFLOAT3& origin, const XMFLOAT3& direction, const ReferenceShape& s) {
    float distance = -1.0f;
    const bool hit =
        Intersections::RayOBBCollision(origin, direction, s.center, s.halfSizes, s.orientation, distance);
    EXPECT_EQ(hit, distance > 0.0f);
    EXPECT_GE(distance, 0.0f);
    return distance;
}

float CastSphere(const XMFLOAT3& origin, const XMFLOAT3& direction, const ReferenceShape& s) {
    float distance = -1.0f;
    const bool hit = Intersections::RaySphereCollision(origin, {direction.x, direction.y, direction.z, 0.0f},
                                                       s.center, s.radius, distance);
    EXPECT_EQ(hit, distance > 0.0f);
    EXPECT_GE(distance, 0.0f);
    return distance;
}

float CastBox(const XMFLOAT3& origin, const XMFLOAT3& direction, const ReferenceShape& s) {
    const float distance = Intersections::RayBoxCollision(origin, direction, s.center, s.halfSizes);
    EXPECT_GE(distance, 0.0f);
    return distance;
}

const RayKind kRayKinds[] = {
    {"RayOBB", Kind::Box, true, CastOBB},
    {"RaySphere", Kind::Sphere, false, CastSphere},
    {"RayBox", Kind::Box, false, CastBox},
};

void PrintTo(const RayKind& row, std::ostream* out) {
    *out << row.name;
}

class SampledRayTest : public ::testing::TestWithParam<RayKind> {};

// Origins anywhere in a cube round the shape (some inside it); most rays aim at a point of the shape's
// bounds, the rest go in a random direction; directions are 0.05 to 20 units long.
TEST_P(SampledRayTest, AgreesWithPointSamplingOnRandomRays) {
    const RayKind& kind = GetParam();
    std::mt19937 rng(20240612u);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    constexpr double kStep = 0.005;
    int hits = 0;
    int misses = 0;
    constexpr int kRays = 400;
    for (int n = 0; n < kRays; ++n) {
        const glm::dvec3 center = RandomUnit(rng) * 3.0;
        const ReferenceShape shape =
            kind.kind == Kind::Sphere ? RandomSphere(rng, center) : RandomBox(rng, center, kind.oriented);
        const glm::dvec3 origin =
            center + glm::dvec3(unit(rng) - 0.5, unit(rng) - 0.5, unit(rng) - 0.5) * 14.0;
        const glm::dvec3 low = shape.Low();
        const glm::dvec3 aim = low + (shape.High() - low) * glm::dvec3(unit(rng), unit(rng), unit(rng));
        const glm::dvec3 heading = unit(rng) < 0.6 ? glm::normalize(aim - origin) : RandomUnit(rng);
        const XMFLOAT3 o = ToFloat3(origin);
        const XMFLOAT3 d = ToFloat3(heading * std::exp(std::log(0.05) + unit(rng) * std::log(400.0)));

        const RaySample expected = SampledRay(shape, ToDouble(o), ToDouble(d), kStep);
        if (expected.hit == Verdict::Unsure) {
            continue;
        }
        const float distance = kind.cast(o, d, shape);
        if (expected.hit == Verdict::No) {
            ++misses;
            EXPECT_EQ(distance, 0.0f) << "ray " << n << " should miss " << shape.Describe();
            continue;
        }
        ++hits;
        EXPECT_GT(distance, expected.firstInside - expected.step - 1e-4)
            << "ray " << n << ": " << shape.Describe();
        EXPECT_LE(distance, expected.firstInside + 1e-4) << "ray " << n << ": " << shape.Describe();
    }
    EXPECT_GE(hits, kRays / 4);
    EXPECT_GE(misses, kRays / 4);
}

INSTANTIATE_TEST_SUITE_P(AllRayTests, SampledRayTest, ::testing::ValuesIn(kRayKinds),
                         [](const ::testing::TestParamInfo<RayKind>& row) { return row.param.name; });

ReferenceShape Box(XMFLOAT3 center, XMFLOAT3 half, XMFLOAT4 orientation = kNoTurn) {
    ReferenceShape s;
    s.kind = Kind::Box;
    s.center = center;
    s.halfSizes = half;
    s.orientation = orientation;
    return s;
}

ReferenceShape Sphere(XMFLOAT3 center, float radius) {
    ReferenceShape s;
    s.kind = Kind::Sphere;
    s.center = center;
    s.radius = radius;
    return s;
}

struct RayCase {
    const char* what;
    float (*cast)(const XMFLOAT3&, const XMFLOAT3&, const ReferenceShape&);
    XMFLOAT3 origin;
    XMFLOAT3 direction;
    ReferenceShape shape;
    float distance;  // 0: a miss
};

TEST(RayCollision, CasesTheCallersRelyOn) {
    const float dashLength = std::sqrt(1.0f + 0.01f);
    const float s = static_cast<float>(std::sin(3.14159265358979 / 4.0));
    const XMFLOAT4 quarterAboutY{0, s, 0, s};
    const RayCase cases[] = {
        // Distances are world units along the ray, whatever the direction's length.
        {"dash ray rising by 0.1 per unit",
         CastBox,
         {0, 0.1f, 0},
         {1, 0.1f, 0},
         Box({5, 1, 0}, {0.5f, 1, 0.5f}),
         4.5f * dashLength},
        {"line of sight along the full segment",
         CastOBB,
         {0, 1, 0},
         {10, 0, 0},
         Box({4, 1, 0}, {0.25f, 2, 2}),
         3.75f},
        {"a wall beyond the segment's end still reports its distance",
         CastOBB,
         {0, 1, 0},
         {10, 0, 0},
         Box({12, 1, 0}, {0.25f, 2, 2}),
         11.75f},
        {"short facing toward a sphere", CastSphere, {0, 0, 0}, {0, 0, 0.2f}, Sphere({0, 0, 8}, 1), 7.0f},
        {"long diagonal toward a sphere", CastSphere, {0, 0, 0}, {30, 0, 40}, Sphere({6, 0, 8}, 2), 8.0f},
        {"turned box: its short local z faces the ray",
         CastOBB,
         {-10, 0, 0},
         {2, 0, 0},
         Box({0, 0, 0}, {2, 1, 0.5f}, quarterAboutY),
         9.5f},
        // Only what lies ahead counts.
        {"box behind the origin", CastBox, {0, 0, 0}, {-1, 0, 0}, Box({5, 0, 0}, {1, 1, 1}), 0},
        {"turned box behind the origin", CastOBB, {0, 0, 0}, {-1, 0, 0}, Box({5, 0, 0}, {1, 1, 1}), 0},
        {"sphere behind the origin", CastSphere, {0, 0, 0}, {0, 0, -1}, Sphere({0, 0, 5}, 1), 0},
        // A ray that starts in a volume misses it.
        {"origin inside a box", CastBox, {0.5f, 0, 0}, {1, 0, 0}, Box({0, 0, 0}, {1, 1, 1}), 0},
        {"origin inside a turned box", CastOBB, {0.5f, 0, 0}, {1, 0, 0}, Box({0, 0, 0}, {1, 1, 1}), 0},
        {"origin inside a sphere", CastSphere, {0.5f, 0, 0}, {1, 0, 0}, Sphere({0, 0, 0}, 1), 0},
        {"origin on a box face, heading in", CastOBB, {-1, 0, 0}, {1, 0, 0}, Box({0, 0, 0}, {1, 1, 1}), 0},
        {"origin on a sphere, heading in", CastSphere, {-1, 0, 0}, {1, 0, 0}, Sphere({0, 0, 0}, 1), 0},
        // Grazing counts as a hit; passing by does not.
        {"ray along a box's top face", CastBox, {-5, 1, 0}, {1, 0, 0}, Box({0, 0, 0}, {1, 1, 1}), 4.0f},
        {"ray parallel to a face, just above",
         CastBox,
         {-5, 1.01f, 0},
         {1, 0, 0},
         Box({0, 0, 0}, {1, 1, 1}),
         0},
        {"ray tangent to a sphere", CastSphere, {-5, 1, 0}, {1, 0, 0}, Sphere({0, 0, 0}, 1), 5.0f},
        {"ray just past a sphere", CastSphere, {-5, 1.01f, 0}, {1, 0, 0}, Sphere({0, 0, 0}, 1), 0},
        // Degenerate input.
        {"a flat wall still blocks", CastOBB, {-5, 0, 0}, {1, 0, 0}, Box({0, 0, 0}, {0, 1, 1}), 5.0f},
        {"zero direction, box", CastBox, {-5, 0, 0}, {0, 0, 0}, Box({0, 0, 0}, {1, 1, 1}), 0},
        {"zero direction, sphere", CastSphere, {-5, 0, 0}, {0, 0, 0}, Sphere({0, 0, 0}, 1), 0},
        {"tiny direction", CastOBB, {-5, 0, 0}, {1e-30f, 0, 0}, Box({0, 0, 0}, {1, 1, 1}), 4.0f},
        {"NaN direction", CastOBB, {-5, 0, 0}, {kNaN, 1, 0}, Box({0, 0, 0}, {1, 1, 1}), 0},
        {"NaN origin", CastSphere, {kNaN, 0, 0}, {1, 0, 0}, Sphere({0, 0, 0}, 1), 0},
        {"negative half-size", CastBox, {-5, 0, 0}, {1, 0, 0}, Box({0, 0, 0}, {1, -1, 1}), 0},
        {"negative radius", CastSphere, {-5, 0, 0}, {1, 0, 0}, Sphere({0, 0, 0}, -1), 0},
        {"zero quaternion leaves the box unturned",
         CastOBB,
         {-10, 0, 0},
         {1, 0, 0},
         Box({0, 0, 0}, {2, 1, 0.5f}, {0, 0, 0, 0}),
         8.0f},
    };
    for (const RayCase& c : cases) {
        EXPECT_FLOAT_EQ(c.cast(c.origin, c.direction, c.shape), c.distance) << c.what;
    }
}

}  // namespace
}  // namespace hitcalc_test
