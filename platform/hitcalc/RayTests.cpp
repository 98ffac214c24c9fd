// The three ray tests. A ray is origin + s * unit direction with s in world units; it hits a volume when it
// enters it at some s > 0.
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include <glm/geometric.hpp>

#include "hitcalc/BoxFrame.h"
#include "hitcalc/DoubleMath.h"
#include "hitcalc/Intersections.h"

namespace IntersectionTests {

namespace {

using detail::BoxFrame;

struct Ray {
    glm::dvec3 origin{0.0};
    glm::dvec3 direction{0.0};  // unit length
};

// The ray with its direction normalised; empty for a zero or non-finite direction or origin.
std::optional<Ray> MakeRay(const XMFLOAT3& origin, float dx, float dy, float dz) {
    if (!detail::IsFinite(origin) || !detail::IsFinite(dx) || !detail::IsFinite(dy) ||
        !detail::IsFinite(dz)) {
        return std::nullopt;
    }
    const glm::dvec3 d{dx, dy, dz};
    const double length = glm::length(d);
    if (length == 0.0) {
        return std::nullopt;
    }
    return Ray{detail::ToDouble(origin), d / length};
}

// A hit distance as the float the callers get: 0 (a miss) unless it is above 0 and fits a float.
float ToDistance(double s) {
    if (!(s > 0.0) || s > static_cast<double>(std::numeric_limits<float>::max())) {
        return 0.0f;
    }
    return static_cast<float>(s);
}

// Slab method: the ray's parameter interval inside each pair of parallel faces, intersected over the three
// axes. Returns the entry distance, or 0 when the ray misses the box, the box lies behind the origin, or the
// origin lies in or on the box.
float SlabEntry(const BoxFrame& box, const Ray& ray) {
    const glm::dvec3 offset = ray.origin - box.center;
    double enter = -std::numeric_limits<double>::infinity();
    double leave = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 3; ++i) {
        const double position = glm::dot(offset, box.axes[i]);
        const double speed = glm::dot(ray.direction, box.axes[i]);
        const double h = box.half[i];
        if (speed == 0.0) {
            if (std::fabs(position) > h) {
                return 0.0f;  // parallel to this slab and outside it
            }
            continue;
        }
        double first = (-h - position) / speed;
        double last = (h - position) / speed;
        if (first > last) {
            std::swap(first, last);
        }
        // Plain comparisons suffice: no NaN arises, a tiny speed at most overflows to infinity.
        enter = first > enter ? first : enter;
        leave = last < leave ? last : leave;
        if (enter > leave) {
            return 0.0f;
        }
    }
    return enter > 0.0 ? ToDistance(enter) : 0.0f;
}

}  // namespace

bool Intersections::RayOBBCollision(const XMFLOAT3& origin, const XMFLOAT3& direction,
                                    const XMFLOAT3& boxCenter, const XMFLOAT3& halfSizes,
                                    const XMFLOAT4& orientation, float& distance) {
    const std::optional<Ray> ray = MakeRay(origin, direction.x, direction.y, direction.z);
    const std::optional<BoxFrame> box = detail::MakeBoxFrame(boxCenter, halfSizes, orientation);
    distance = ray && box ? SlabEntry(*box, *ray) : 0.0f;
    return distance > 0.0f;
}

bool Intersections::RaySphereCollision(const XMFLOAT3& origin, const XMFLOAT4& direction,
                                       const XMFLOAT3& center, float radius, float& distance) {
    distance = 0.0f;
    const std::optional<Ray> ray = MakeRay(origin, direction.x, direction.y, direction.z);
    if (!ray || !detail::IsFinite(center) || !detail::IsFinite(radius) || radius < 0.0f) {
        return false;
    }
    const double r = radius;
    const glm::dvec3 m = ray->origin - detail::ToDouble(center);
    const double outside = glm::dot(m, m) - r * r;  // > 0 exactly when the origin is outside the sphere
    const double along = glm::dot(m, ray->direction);
    if (outside <= 0.0 || along >= 0.0) {
        return false;  // origin in or on the sphere, or the sphere is not ahead
    }
    // Squared half-chord from the distance between the centre and the line, which stays accurate far away.
    const glm::dvec3 nearest = m - along * ray->direction;
    const double halfChord2 = r * r - glm::dot(nearest, nearest);
    if (halfChord2 < 0.0) {
        return false;
    }
    // The nearer root of s^2 + 2 along s + outside = 0, in the form that avoids cancellation.
    distance = ToDistance(outside / (-along + std::sqrt(halfChord2)));
    return distance > 0.0f;
}

float Intersections::RayBoxCollision(const XMFLOAT3& origin, const XMFLOAT3& direction,
                                     const XMFLOAT3& boxCenter, const XMFLOAT3& halfSizes) {
    const std::optional<Ray> ray = MakeRay(origin, direction.x, direction.y, direction.z);
    const std::optional<BoxFrame> box = detail::MakeBoxFrame(boxCenter, halfSizes);
    return ray && box ? SlabEntry(*box, *ray) : 0.0f;
}

}  // namespace IntersectionTests
