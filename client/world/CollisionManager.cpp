#include "client/world/CollisionManager.h"

#include <algorithm>
#include <cmath>

#include "hitcalc/Intersections.h"
#include "shared/collision/BoundingRadius.h"
#include "shared/collision/HitcalcValues.h"
#include "shared/collision/Overlaps.h"
#include "shared/collision/RaySegment.h"

using IntersectionTests::Intersections;
using IntersectionTests::XMFLOAT4;

namespace {

// The box as an obstacle: unrotated for a level box, with the radius of its largest half-size.
CollisionOBB WithRecomputedRadius(const CollisionOBB& box, const Float4& orientation) {
    return MakeCollisionOBB(box.center, box.halfSizes, orientation);
}

bool IsTall(const CollisionOBB& box) {
    return box.halfSizes.y > kTallWallHalfHeight;
}

// The nearest hit ahead along one ray, starting from a limit. Only volumes whose bounding sphere the ray
// comes near within the nearest distance so far get the exact test.
class NearestHit {
public:
    NearestHit(const Float3& origin, const Float3& direction, float limit)
        : m_origin(origin), m_direction(direction), m_segment(origin, direction, limit), m_nearest(limit) {}

    void Box(const CollisionOBB& box) {
        if (!m_segment.ComesNear(box.center, BoundingRadius(box.radius, box.halfSizes))) {
            return;
        }
        float distance = 0.0f;
        if (Intersections::RayOBBCollision(ToXMFloat3(m_origin), ToXMFloat3(m_direction),
                                           ToXMFloat3(box.center), ToXMFloat3(box.halfSizes),
                                           ToXMFloat4(box.orientation), distance)) {
            Shorten(distance);
        }
    }

    void Sphere(const Float3& center, float radius) {
        if (!m_segment.ComesNear(center, radius)) {
            return;
        }
        float distance = 0.0f;
        const XMFLOAT4 direction{m_direction.x, m_direction.y, m_direction.z, 0.0f};
        if (Intersections::RaySphereCollision(ToXMFloat3(m_origin), direction, ToXMFloat3(center), radius,
                                              distance)) {
            Shorten(distance);
        }
    }

    float Distance() const { return m_nearest; }

private:
    void Shorten(float distance) {
        if (distance > 0.0f && distance < m_nearest) {
            m_nearest = distance;
            m_segment.SetLength(distance);
        }
    }

    Float3 m_origin;
    Float3 m_direction;
    RaySegment m_segment;
    float m_nearest;
};

}  // namespace

void CollisionManager::SetLevelBoxes(std::span<const CollisionOBB> boxes) {
    m_levelBoxes.clear();
    for (const CollisionOBB& box : boxes) {
        m_levelBoxes.push_back(WithRecomputedRadius(box, kNoRotation));
    }
    SetObjects({}, {});
}

void CollisionManager::SetObjects(std::span<const ObjectVolumes* const> visibleStatic,
                                  std::span<const ObjectVolumes* const> visibleAnimated) {
    m_lowBoxes = m_levelBoxes;
    m_highBoxes.clear();
    m_highSpheres.clear();
    m_lowSpheres.clear();
    for (const ObjectVolumes* object : visibleStatic) {
        if (object == nullptr) {
            continue;
        }
        for (const CollisionOBB& box : object->boxes) {
            (box.center.y > kHighVolumeHeight ? m_highBoxes : m_lowBoxes)
                .push_back(WithRecomputedRadius(box, box.orientation));
        }
        for (const CollisionSphere& sphere : object->spheres) {
            (sphere.center.y > kHighVolumeHeight ? m_highSpheres : m_lowSpheres).push_back(sphere);
        }
    }
    for (const ObjectVolumes* object : visibleAnimated) {
        if (object == nullptr) {
            continue;
        }
        for (const CollisionOBB& box : object->boxes) {
            m_lowBoxes.push_back(WithRecomputedRadius(box, box.orientation));
        }
        m_lowSpheres.insert(m_lowSpheres.end(), object->spheres.begin(), object->spheres.end());
    }
}

bool CollisionManager::IsBlocked(const Float3& center, float radius) const {
    const CollisionSphere probe{center, radius};
    for (const CollisionOBB& box : m_lowBoxes) {
        CollisionOBB column = box;
        column.center.y = center.y;
        if (OBBSphereOverlap(column, probe)) {
            return true;
        }
    }
    for (const CollisionSphere& sphere : m_lowSpheres) {
        const Float3 column{sphere.center.x, center.y, sphere.center.z};
        if (Intersections::SphereSphereCollision(ToXMFloat3(column), sphere.radius, ToXMFloat3(center),
                                                 radius)) {
            return true;
        }
    }
    return false;
}

std::vector<CollisionOBB> CollisionManager::GetCollidingBoxes(const CollisionOBB& body,
                                                              const Float3& direction, float speed,
                                                              float frameTime) const {
    std::vector<CollisionOBB> colliding;
    if (body.radius < 0.0f) {
        return colliding;
    }
    const float step = frameTime * speed;
    const Float3 moved{body.center.x + direction.x * step, body.center.y + direction.y * step,
                       body.center.z + direction.z * step};
    const float r = body.radius;
    for (const CollisionOBB& box : m_lowBoxes) {
        float y = moved.y;
        if (y + r < box.center.y - box.halfSizes.y) {
            y = body.center.y + body.halfSizes.y - r;  // the sphere's top at the top of the body
        }
        if (y - r > box.center.y + box.halfSizes.y) {
            y = body.center.y - body.halfSizes.y + r;  // the sphere's bottom at the bottom of the body
        }
        if (OBBSphereOverlap(box, CollisionSphere{{moved.x, y, moved.z}, r})) {
            colliding.push_back(box);
        }
    }
    return colliding;
}

std::vector<CollisionSphere> CollisionManager::GetCollidingSpheres(const CollisionSphere& sphere,
                                                                   const Float3& direction, float speed,
                                                                   float frameTime) const {
    std::vector<CollisionSphere> colliding;
    const float step = frameTime * speed;
    const Float3 moved{sphere.center.x + direction.x * step, sphere.center.y + direction.y * step,
                       sphere.center.z + direction.z * step};
    const float r = sphere.radius;
    for (const CollisionSphere& obstacle : m_lowSpheres) {
        const float top = obstacle.center.y + obstacle.radius;
        const bool level = moved.y - r < top && top < moved.y + r;
        const Float3 a{obstacle.center.x, level ? obstacle.center.y : 0.0f, obstacle.center.z};
        const Float3 b{moved.x, level ? moved.y : 0.0f, moved.z};
        if (Intersections::SphereSphereCollision(ToXMFloat3(a), obstacle.radius, ToXMFloat3(b), r)) {
            colliding.push_back(obstacle);
        }
    }
    return colliding;
}

bool CollisionManager::IsLineBlocked(const Float3& from, const Float3& to) const {
    const Float3 direction{to.x - from.x, 0.0f, to.z - from.z};  // not normalised
    const float length = std::sqrt(direction.x * direction.x + direction.z * direction.z);
    NearestHit hit(from, direction, length);
    for (const CollisionOBB& box : m_lowBoxes) {
        if (IsTall(box)) {
            hit.Box(box);
        }
    }
    for (const CollisionSphere& sphere : m_lowSpheres) {
        hit.Sphere(sphere.center, sphere.radius);
    }
    return hit.Distance() < length;
}

float CollisionManager::AimRayDistance(const Float3& origin, const Float3& direction, bool tallOnly,
                                       float maxDistance) const {
    const Float3 rayDirection{direction.x, kAimRayHeight, direction.z};
    const float offsets[5][2] = {{0.0f, 0.0f},
                                 {-kAimRaySpread, 0.0f},
                                 {kAimRaySpread, 0.0f},
                                 {0.0f, -kAimRaySpread},
                                 {0.0f, kAimRaySpread}};
    float nearest = maxDistance;
    for (const auto& offset : offsets) {
        // Each ray only needs to look as far as the nearest hit of the rays before it.
        NearestHit hit({origin.x + offset[0], kAimRayHeight, origin.z + offset[1]}, rayDirection, nearest);
        for (const CollisionOBB& box : m_lowBoxes) {
            if (!tallOnly || IsTall(box)) {
                hit.Box(box);
            }
        }
        for (const CollisionSphere& sphere : m_lowSpheres) {
            hit.Sphere({sphere.center.x, kAimSphereHeight, sphere.center.z}, sphere.radius);
        }
        nearest = std::min(nearest, hit.Distance());
    }
    return nearest > 0.0f ? nearest : 0.0f;  // also 0 for a NaN maximum
}

float CollisionManager::LevelRayDistance(const CollisionRay& ray) const {
    NearestHit hit(ray.origin, ray.direction, kNoHitDistance);
    for (const CollisionOBB& box : m_levelBoxes) {
        hit.Box(box);
    }
    return hit.Distance();
}

float CollisionManager::FirstHitDistance(const CollisionRay& ray) const {
    NearestHit hit(ray.origin, ray.direction, kNoHitDistance);
    for (const CollisionOBB& box : m_lowBoxes) {
        hit.Box(box);
    }
    for (const CollisionSphere& sphere : m_lowSpheres) {
        hit.Sphere(sphere.center, sphere.radius);
    }
    for (const CollisionOBB& box : m_highBoxes) {
        hit.Box(box);
    }
    for (const CollisionSphere& sphere : m_highSpheres) {
        hit.Sphere(sphere.center, sphere.radius);
    }
    return hit.Distance();
}

bool CollisionManager::RayHitsBox(CollisionRay& ray, const CollisionOBB& box) {
    return Intersections::RayOBBCollision(ToXMFloat3(ray.origin), ToXMFloat3(ray.direction),
                                          ToXMFloat3(box.center), ToXMFloat3(box.halfSizes),
                                          ToXMFloat4(box.orientation), ray.hitDistance);
}
