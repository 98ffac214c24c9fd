// Brute-force stand-ins for the library's volumes. Each shape answers a signed distance for a point, computed
// with formulas of its own (axis-angle rotation, clamping in the box's frame), and the classifiers below
// decide overlaps and ray hits by sampling points. A classifier answers only where the samples prove the
// answer.
#pragma once

#include <random>
#include <string>

#include <glm/vec3.hpp>

#include "hitcalc/XMFloat.h"

namespace hitcalc_test {

using IntersectionTests::XMFLOAT3;
using IntersectionTests::XMFLOAT4;

struct ReferenceShape {
    enum class Kind { Sphere, Box };

    Kind kind = Kind::Sphere;
    XMFLOAT3 center;
    float radius = 0.0f;                           // spheres
    XMFLOAT3 halfSizes;                            // boxes
    XMFLOAT4 orientation{0.0f, 0.0f, 0.0f, 1.0f};  // boxes

    // Negative inside, positive outside, the distance to the surface outside.
    double SignedDistance(const glm::dvec3& p) const;
    // The extent of the shape along a unit direction, measured from its centre.
    double Support(const glm::dvec3& unitDirection) const;
    glm::dvec3 Low() const;
    glm::dvec3 High() const;
    std::string Describe() const;
};

enum class Verdict { Yes, No, Unsure };

// Overlap of two shapes from a grid over the intersection of their bounds: yes when a grid point lies inside
// both, no when no grid point comes within half a cell diagonal of both.
Verdict SampledOverlap(const ReferenceShape& a, const ReferenceShape& b);

struct RaySample {
    Verdict hit = Verdict::Unsure;
    double firstInside = 0.0;  // when hit: the true entry distance lies in (firstInside - step, firstInside]
    double step = 0.0;
};

// Samples the ray every step world units. An origin in the shape is a miss; an origin within a small margin
// of its surface is unsure.
RaySample SampledRay(const ReferenceShape& shape, const glm::dvec3& origin, const glm::dvec3& direction,
                     double step);

// Random shapes centred at the given point: sizes 0.1 to 3, boxes turned by a random quaternion of random
// length when oriented.
ReferenceShape RandomSphere(std::mt19937& rng, const glm::dvec3& center);
ReferenceShape RandomBox(std::mt19937& rng, const glm::dvec3& center, bool oriented);

// A unit vector uniformly distributed on the sphere.
glm::dvec3 RandomUnit(std::mt19937& rng);

inline XMFLOAT3 ToFloat3(const glm::dvec3& v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}
inline glm::dvec3 ToDouble(const XMFLOAT3& v) {
    return {v.x, v.y, v.z};
}

}  // namespace hitcalc_test
