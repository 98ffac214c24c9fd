// Stateless geometric tests between spheres, boxes and rays, shared by the client and the server.
//
// Volumes are closed: shapes that only touch overlap, and a ray that only grazes a volume hits it.
// Boxes are given by centre and half-sizes; oriented boxes add a rotation quaternion (x, y, z, w) that turns
// the box's local axes into world axes. The quaternion need not be of unit length; (0, 0, 0, 0) means no
// rotation.
//
// Rays: a distance is measured in world units along the ray, whatever the length of the direction. Only a
// volume entered ahead of the origin is hit: a volume behind the origin, or one the origin lies in or on, is
// missed. A hit always reports a distance above 0; a miss writes or returns 0.
//
// Degenerate input never fails: a negative radius or half-size is an empty volume (no overlap, no hit), a
// zero radius or half-size is a point, segment or flat box that is still tested exactly, a zero ray direction
// hits nothing, and any NaN or infinite number gives no overlap and no hit.
#pragma once

#include "hitcalc/HitcalcExport.h"
#include "hitcalc/XMFloat.h"

namespace IntersectionTests {

class HITCALC_API Intersections {
public:
    Intersections() = delete;

    static bool SphereSphereCollision(const XMFLOAT3& center1, float radius1, const XMFLOAT3& center2,
                                      float radius2);

    static bool OBBSphereCollision(const XMFLOAT3& boxCenter, const XMFLOAT3& halfSizes,
                                   const XMFLOAT4& orientation, const XMFLOAT3& sphereCenter, float radius);

    static bool OBBOBBCollision(const XMFLOAT3& center1, const XMFLOAT3& halfSizes1,
                                const XMFLOAT4& orientation1, const XMFLOAT3& center2,
                                const XMFLOAT3& halfSizes2, const XMFLOAT4& orientation2);

    // Both boxes axis-aligned.
    static bool BoxBoxCollision(const XMFLOAT3& center1, const XMFLOAT3& halfSizes1, const XMFLOAT3& center2,
                                const XMFLOAT3& halfSizes2);

    // True on a hit, with the distance to the entry point in distance; false with distance 0 otherwise.
    static bool RayOBBCollision(const XMFLOAT3& origin, const XMFLOAT3& direction, const XMFLOAT3& boxCenter,
                                const XMFLOAT3& halfSizes, const XMFLOAT4& orientation, float& distance);

    // The direction's fourth component is ignored. Results as for RayOBBCollision.
    static bool RaySphereCollision(const XMFLOAT3& origin, const XMFLOAT4& direction, const XMFLOAT3& center,
                                   float radius, float& distance);

    // The box is axis-aligned. Returns the distance to the entry point, or 0 when the ray misses.
    static float RayBoxCollision(const XMFLOAT3& origin, const XMFLOAT3& direction, const XMFLOAT3& boxCenter,
                                 const XMFLOAT3& halfSizes);
};

}  // namespace IntersectionTests
