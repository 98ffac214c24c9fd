#include "shared/collision/Overlaps.h"

#include "hitcalc/Intersections.h"
#include "shared/collision/BoundingRadius.h"
#include "shared/collision/HitcalcValues.h"

using IntersectionTests::Intersections;

namespace {

bool BoundingSpheresOverlap(const Float3& centerA, float radiusA, const Float3& centerB, float radiusB) {
    return Intersections::SphereSphereCollision(ToXMFloat3(centerA), radiusA, ToXMFloat3(centerB), radiusB);
}

}  // namespace

bool BoxesOverlap(const CollisionBox& a, const CollisionBox& b) {
    return BoundingSpheresOverlap(a.center, BoundingRadius(a.radius, a.halfSizes), b.center,
                                  BoundingRadius(b.radius, b.halfSizes)) &&
           Intersections::BoxBoxCollision(ToXMFloat3(a.center), ToXMFloat3(a.halfSizes), ToXMFloat3(b.center),
                                          ToXMFloat3(b.halfSizes));
}

bool OBBsOverlap(const CollisionOBB& a, const CollisionOBB& b) {
    return BoundingSpheresOverlap(a.center, BoundingRadius(a.radius, a.halfSizes), b.center,
                                  BoundingRadius(b.radius, b.halfSizes)) &&
           Intersections::OBBOBBCollision(ToXMFloat3(a.center), ToXMFloat3(a.halfSizes),
                                          ToXMFloat4(a.orientation), ToXMFloat3(b.center),
                                          ToXMFloat3(b.halfSizes), ToXMFloat4(b.orientation));
}

bool OBBSphereOverlap(const CollisionOBB& box, const CollisionSphere& sphere) {
    return BoundingSpheresOverlap(box.center, BoundingRadius(box.radius, box.halfSizes), sphere.center,
                                  sphere.radius) &&
           Intersections::OBBSphereCollision(ToXMFloat3(box.center), ToXMFloat3(box.halfSizes),
                                             ToXMFloat4(box.orientation), ToXMFloat3(sphere.center),
                                             sphere.radius);
}
