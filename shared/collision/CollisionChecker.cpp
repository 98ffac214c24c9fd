#include "shared/collision/CollisionChecker.h"

#include <cmath>
#include <cstddef>

#include "hitcalc/Intersections.h"
#include "shared/collision/BoundingRadius.h"
#include "shared/collision/HitcalcValues.h"
#include "shared/collision/Overlaps.h"
#include "shared/collision/RaySegment.h"

using IntersectionTests::Intersections;
using IntersectionTests::XMFLOAT3;
using IntersectionTests::XMFLOAT4;

namespace {

// The distance to the wall along the ray, or 0 when the ray does not enter it ahead of its origin.
float RayWallDistance(const XMFLOAT3& origin, const XMFLOAT3& direction, const CollisionOBB& wall) {
    float distance = 0.0f;
    if (!Intersections::RayOBBCollision(origin, direction, ToXMFloat3(wall.center),
                                        ToXMFloat3(wall.halfSizes), ToXMFloat4(wall.orientation), distance)) {
        return 0.0f;
    }
    return distance;
}

// The same for a sphere.
float RaySphereDistance(const XMFLOAT3& origin, const XMFLOAT3& direction, const Float3& center,
                        float radius) {
    float distance = 0.0f;
    const XMFLOAT4 ray{direction.x, direction.y, direction.z, 0.0f};
    if (!Intersections::RaySphereCollision(origin, ray, ToXMFloat3(center), radius, distance)) {
        return 0.0f;
    }
    return distance;
}

}  // namespace

bool CollisionChecker::Initialize(const std::vector<CollisionOBB>& obbs,
                                  const std::vector<CollisionSphere>& spheres) {
    Shutdown();
    for (const CollisionOBB& obb : obbs) {
        if (obb.center.y <= kWallHeightLimit) {
            m_walls.push_back(obb);
            m_wallBounds.push_back(BoundingRadius(obb.radius, obb.halfSizes));
        }
    }
    for (const CollisionSphere& sphere : spheres) {
        if (sphere.center.y <= kPillarHeightLimit) {
            m_pillars.push_back(sphere);
        }
    }
    return true;
}

bool CollisionChecker::Initialize(const LevelCollisionMap& map) {
    return Initialize(map.GetOBBs(), map.GetSpheres());
}

void CollisionChecker::Shutdown() {
    m_walls.clear();
    m_wallBounds.clear();
    m_pillars.clear();
}

bool CollisionChecker::HitsObstacle(const CollisionBox& box) const {
    const CollisionOBB moving = MakeCollisionOBB(box.center, box.halfSizes, kNoRotation);
    for (const CollisionOBB& wall : m_walls) {
        if (OBBsOverlap(moving, wall)) {
            return true;
        }
    }
    const float bottom = box.center.y - box.halfSizes.y;
    const float top = box.center.y + box.halfSizes.y;
    for (const CollisionSphere& pillar : m_pillars) {
        // A pillar wholly below or above the box is tested at the box's height: a column of unlimited
        // height.
        CollisionSphere column = pillar;
        if (pillar.center.y + pillar.radius < bottom || pillar.center.y - pillar.radius > top) {
            column.center.y = box.center.y;
        }
        if (OBBSphereOverlap(moving, column)) {
            return true;
        }
    }
    return false;
}

bool CollisionChecker::IsLineBlocked(const Float3& from, const Float3& to, bool tallOnly) const {
    const XMFLOAT3 origin = ToXMFloat3(from);
    const XMFLOAT3 direction{to.x - from.x, 0.0f, to.z - from.z};  // not normalised
    const float length = std::sqrt(direction.x * direction.x + direction.z * direction.z);
    const RaySegment line(from, {direction.x, 0.0f, direction.z}, length);
    if (!line.IsValid()) {
        return false;
    }
    for (std::size_t i = 0; i < m_walls.size(); ++i) {
        const CollisionOBB& wall = m_walls[i];
        if ((tallOnly && !(wall.halfSizes.y > kTallWallHalfHeight)) ||
            !line.ComesNear(wall.center, m_wallBounds[i])) {
            continue;
        }
        const float distance = RayWallDistance(origin, direction, wall);
        if (distance > 0.0f && distance < length) {
            return true;
        }
    }
    for (const CollisionSphere& pillar : m_pillars) {
        if (!line.ComesNear(pillar.center, pillar.radius)) {
            continue;
        }
        const float distance = RaySphereDistance(origin, direction, pillar.center, pillar.radius);
        if (distance > 0.0f && distance < length) {
            return true;
        }
    }
    return false;
}

float CollisionChecker::ObstacleRayDistance(const Float3& origin, const Float3& direction) const {
    const XMFLOAT3 rayOrigin = ToXMFloat3(origin);
    const XMFLOAT3 rayDirection = ToXMFloat3(direction);
    float reach = kMaxDashReach;
    // Only obstacles nearer than the reach so far can shorten it.
    RaySegment ray(origin, direction, reach);
    for (std::size_t i = 0; i < m_walls.size(); ++i) {
        if (!ray.ComesNear(m_walls[i].center, m_wallBounds[i])) {
            continue;
        }
        const float distance = RayWallDistance(rayOrigin, rayDirection, m_walls[i]);
        if (distance > 0.0f && distance < reach) {
            reach = distance;
            ray.SetLength(reach);
        }
    }
    for (const CollisionSphere& pillar : m_pillars) {
        const Float3 low{pillar.center.x, kDashPillarHeight, pillar.center.z};
        if (!ray.ComesNear(low, pillar.radius)) {
            continue;
        }
        const float distance = RaySphereDistance(rayOrigin, rayDirection, low, pillar.radius);
        if (distance > 0.0f && distance < reach) {
            reach = distance;
            ray.SetLength(reach);
        }
    }
    return reach;
}
