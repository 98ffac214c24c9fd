// The ray queries skip the exact test for obstacles whose bounding sphere the ray does not come near. Checked
// here against the rule applied to every obstacle, on seeded random arenas of turned boxes and spheres with
// rays from anywhere (inside volumes too) in any direction.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "hitcalc/Intersections.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/HitcalcValues.h"
#include "shared/collision/ModelPlacement.h"

using IntersectionTests::Intersections;
using IntersectionTests::XMFLOAT3;
using IntersectionTests::XMFLOAT4;

namespace {

float WallDistance(const Float3& origin, const Float3& direction, const CollisionOBB& wall) {
    float distance = 0.0f;
    Intersections::RayOBBCollision(ToXMFloat3(origin), ToXMFloat3(direction), ToXMFloat3(wall.center),
                                   ToXMFloat3(wall.halfSizes), ToXMFloat4(wall.orientation), distance);
    return distance;
}

float SphereDistance(const Float3& origin, const Float3& direction, const Float3& center, float radius) {
    float distance = 0.0f;
    Intersections::RaySphereCollision(ToXMFloat3(origin),
                                      XMFLOAT4{direction.x, direction.y, direction.z, 0.0f},
                                      ToXMFloat3(center), radius, distance);
    return distance;
}

bool AllBlocked(const CollisionChecker& checker, const Float3& a, const Float3& b, bool tallOnly) {
    const Float3 d{b.x - a.x, 0.0f, b.z - a.z};
    const float length = std::sqrt(d.x * d.x + d.z * d.z);
    bool blocked = false;
    for (const CollisionOBB& wall : checker.GetWalls()) {
        if (!tallOnly || wall.halfSizes.y > kTallWallHalfHeight) {
            const float distance = WallDistance(a, d, wall);
            blocked = blocked || (distance > 0.0f && distance < length);
        }
    }
    for (const CollisionSphere& pillar : checker.GetPillars()) {
        const float distance = SphereDistance(a, d, pillar.center, pillar.radius);
        blocked = blocked || (distance > 0.0f && distance < length);
    }
    return blocked;
}

float AllReach(const CollisionChecker& checker, const Float3& origin, const Float3& direction) {
    float reach = kMaxDashReach;
    for (const CollisionOBB& wall : checker.GetWalls()) {
        const float distance = WallDistance(origin, direction, wall);
        reach = distance > 0.0f && distance < reach ? distance : reach;
    }
    for (const CollisionSphere& pillar : checker.GetPillars()) {
        const float distance = SphereDistance(
            origin, direction, {pillar.center.x, kDashPillarHeight, pillar.center.z}, pillar.radius);
        reach = distance > 0.0f && distance < reach ? distance : reach;
    }
    return reach;
}

TEST(RayQueryAgreementTest, SameAnswersAsTestingEveryObstacle) {
    std::mt19937 rng(2024u);
    std::uniform_real_distribution<float> place(-15.0f, 15.0f);
    std::uniform_real_distribution<float> height(0.0f, 4.0f);
    std::uniform_real_distribution<float> size(0.1f, 3.0f);
    std::uniform_real_distribution<float> angle(-3.2f, 3.2f);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    int blockedCount = 0;
    int shortenedCount = 0;
    for (int arena = 0; arena < 20; ++arena) {
        std::vector<CollisionOBB> boxes;
        std::vector<CollisionSphere> spheres;
        for (int i = 0; i < 25; ++i) {
            boxes.push_back(MakeCollisionOBB({place(rng), height(rng), place(rng)},
                                             {size(rng), size(rng), size(rng)},
                                             RollPitchYawQuaternion({angle(rng), angle(rng), angle(rng)})));
            spheres.push_back({{place(rng), height(rng), place(rng)}, size(rng)});
        }
        CollisionChecker checker;
        checker.Initialize(boxes, spheres);
        for (int query = 0; query < 250; ++query) {
            const Float3 a{place(rng), height(rng), place(rng)};
            const Float3 b{place(rng), height(rng), place(rng)};
            const bool tallOnly = query % 2 == 0;
            const bool blocked = checker.IsLineBlocked(a, b, tallOnly);
            ASSERT_EQ(blocked, AllBlocked(checker, a, b, tallOnly))
                << "arena " << arena << " query " << query;
            blockedCount += blocked ? 1 : 0;

            const Float3 direction{unit(rng), unit(rng) * 0.2f, unit(rng)};
            const float reach = checker.ObstacleRayDistance(a, direction);
            ASSERT_EQ(reach, AllReach(checker, a, direction)) << "arena " << arena << " query " << query;
            shortenedCount += reach < kMaxDashReach ? 1 : 0;
        }
    }
    // Both answers occur often enough for the comparison to mean something.
    EXPECT_GT(blockedCount, 500);
    EXPECT_LT(blockedCount, 4500);
    EXPECT_GT(shortenedCount, 500);
    EXPECT_LT(shortenedCount, 4500);
}

}  // namespace
