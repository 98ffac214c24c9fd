#include "ReferenceShape.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include <glm/common.hpp>
#include <glm/geometric.hpp>

namespace hitcalc_test {

namespace {

// Required depth of a sample inside a shape before it proves anything: keeps rounding at the surface out.
constexpr double kDepthMargin = 1e-4;
constexpr int kCellsPerAxis = 24;

// Rodrigues' rotation of v by angle about a unit axis.
glm::dvec3 Rotate(const glm::dvec3& v, const glm::dvec3& axis, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return v * c + glm::cross(axis, v) * s + axis * (glm::dot(axis, v) * (1.0 - c));
}

// The rotation of a quaternion as axis and angle; a quaternion without a vector part turns nothing.
void AxisAngle(const XMFLOAT4& q, glm::dvec3& axis, double& angle) {
    const glm::dvec3 v{q.x, q.y, q.z};
    const double s = glm::length(v);
    if (s == 0.0) {
        axis = {1.0, 0.0, 0.0};
        angle = 0.0;
        return;
    }
    axis = v / s;
    angle = 2.0 * std::atan2(s, static_cast<double>(q.w));
}

// A shape with its rotation worked out once, as the world directions of its three local axes, for the many
// distance queries of a classifier.
class PreparedShape {
public:
    explicit PreparedShape(const ReferenceShape& shape)
        : m_sphere(shape.kind == ReferenceShape::Kind::Sphere),
          m_center(ToDouble(shape.center)),
          m_half(ToDouble(shape.halfSizes)),
          m_radius(shape.radius) {
        glm::dvec3 axis;
        double angle = 0.0;
        AxisAngle(shape.orientation, axis, angle);
        for (int i = 0; i < 3; ++i) {
            glm::dvec3 local{0.0};
            local[i] = 1.0;
            m_axes[i] = Rotate(local, axis, angle);
        }
    }

    double SignedDistance(const glm::dvec3& p) const {
        const glm::dvec3 d = p - m_center;
        if (m_sphere) {
            return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z) - m_radius;
        }
        double outside2 = 0.0;
        double inside = -std::numeric_limits<double>::infinity();
        for (int i = 0; i < 3; ++i) {
            const glm::dvec3& a = m_axes[i];
            const double q = std::fabs(d.x * a.x + d.y * a.y + d.z * a.z) - m_half[i];
            outside2 += q > 0.0 ? q * q : 0.0;
            inside = std::max(inside, q);
        }
        return std::sqrt(outside2) + std::min(inside, 0.0);
    }

    glm::dvec3 ToWorldDirection(const glm::dvec3& v) const {
        return m_axes[0] * v.x + m_axes[1] * v.y + m_axes[2] * v.z;
    }

private:
    bool m_sphere;
    glm::dvec3 m_center;
    glm::dvec3 m_half;
    double m_radius;
    glm::dvec3 m_axes[3];
};

double Uniform(std::mt19937& rng, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

}  // namespace

double ReferenceShape::SignedDistance(const glm::dvec3& p) const {
    return PreparedShape(*this).SignedDistance(p);
}

double ReferenceShape::Support(const glm::dvec3& unitDirection) const {
    if (kind == Kind::Sphere) {
        return radius;
    }
    double extent = 0.0;
    const glm::dvec3 h = ToDouble(halfSizes);
    for (int i = 0; i < 3; ++i) {
        glm::dvec3 local{0.0};
        local[i] = 1.0;
        extent += h[i] * std::fabs(glm::dot(PreparedShape(*this).ToWorldDirection(local), unitDirection));
    }
    return extent;
}

glm::dvec3 ReferenceShape::Low() const {
    const glm::dvec3 c = ToDouble(center);
    if (kind == Kind::Sphere) {
        return c - glm::dvec3(radius);
    }
    glm::dvec3 low(std::numeric_limits<double>::infinity());
    for (int corner = 0; corner < 8; ++corner) {
        const glm::dvec3 sign{corner & 1 ? 1.0 : -1.0, corner & 2 ? 1.0 : -1.0, corner & 4 ? 1.0 : -1.0};
        low = glm::min(low, c + PreparedShape(*this).ToWorldDirection(sign * ToDouble(halfSizes)));
    }
    return low;
}

glm::dvec3 ReferenceShape::High() const {
    const glm::dvec3 c = ToDouble(center);
    if (kind == Kind::Sphere) {
        return c + glm::dvec3(radius);
    }
    glm::dvec3 high(-std::numeric_limits<double>::infinity());
    for (int corner = 0; corner < 8; ++corner) {
        const glm::dvec3 sign{corner & 1 ? 1.0 : -1.0, corner & 2 ? 1.0 : -1.0, corner & 4 ? 1.0 : -1.0};
        high = glm::max(high, c + PreparedShape(*this).ToWorldDirection(sign * ToDouble(halfSizes)));
    }
    return high;
}

std::string ReferenceShape::Describe() const {
    std::ostringstream out;
    out.precision(9);
    out << (kind == Kind::Sphere ? "sphere" : "box") << " centre (" << center.x << ", " << center.y << ", "
        << center.z << ")";
    if (kind == Kind::Sphere) {
        out << " radius " << radius;
    } else {
        out << " half-sizes (" << halfSizes.x << ", " << halfSizes.y << ", " << halfSizes.z
            << ") orientation (" << orientation.x << ", " << orientation.y << ", " << orientation.z << ", "
            << orientation.w << ")";
    }
    return out.str();
}

Verdict SampledOverlap(const ReferenceShape& a, const ReferenceShape& b) {
    // Bounds widened by a hair so that rounding in the corners never cuts off a shape.
    const glm::dvec3 low = glm::max(a.Low(), b.Low()) - 1e-9;
    const glm::dvec3 high = glm::min(a.High(), b.High()) + 1e-9;
    if (low.x > high.x || low.y > high.y || low.z > high.z) {
        return Verdict::No;
    }
    const glm::dvec3 cell = (high - low) / static_cast<double>(kCellsPerAxis);
    // Every point of the region lies within half a cell diagonal of a grid point.
    const double reach = 0.5 * glm::length(cell) + 1e-9;
    const PreparedShape pa(a);
    const PreparedShape pb(b);
    bool near = false;
    for (int i = 0; i <= kCellsPerAxis; ++i) {
        for (int j = 0; j <= kCellsPerAxis; ++j) {
            for (int k = 0; k <= kCellsPerAxis; ++k) {
                const glm::dvec3 p = low + cell * glm::dvec3(i, j, k);
                const double da = pa.SignedDistance(p);
                const double db = pb.SignedDistance(p);
                if (da <= -kDepthMargin && db <= -kDepthMargin) {
                    return Verdict::Yes;
                }
                near = near || (da <= reach && db <= reach);
            }
        }
    }
    return near ? Verdict::Unsure : Verdict::No;
}

RaySample SampledRay(const ReferenceShape& shape, const glm::dvec3& origin, const glm::dvec3& direction,
                     double step) {
    RaySample result;
    result.step = step;
    const double atOrigin = shape.SignedDistance(origin);
    if (atOrigin <= -kDepthMargin) {
        result.hit = Verdict::No;
        return result;
    }
    if (atOrigin <= kDepthMargin) {
        return result;
    }
    const glm::dvec3 unit = direction / glm::length(direction);
    const double bound = glm::length(shape.High() - shape.Low());
    const double last = glm::length(origin - ToDouble(shape.center)) + bound + 2.0 * step;
    const PreparedShape prepared(shape);
    double firstInside = -1.0;
    bool near = false;
    for (int k = 1; k * step <= last; ++k) {
        const double s = k * step;
        const double d = prepared.SignedDistance(origin + unit * s);
        if (d <= 0.0 && firstInside < 0.0) {
            firstInside = s;
        }
        if (d <= -kDepthMargin) {
            result.hit = Verdict::Yes;
            result.firstInside = firstInside;
            return result;
        }
        // Every point of the ray lies within half a step of a sample.
        near = near || d <= 0.5 * step + 1e-9;
    }
    result.hit = near ? Verdict::Unsure : Verdict::No;
    return result;
}

glm::dvec3 RandomUnit(std::mt19937& rng) {
    std::normal_distribution<double> normal;
    for (;;) {
        const glm::dvec3 v{normal(rng), normal(rng), normal(rng)};
        const double length = glm::length(v);
        if (length > 1e-6) {
            return v / length;
        }
    }
}

ReferenceShape RandomSphere(std::mt19937& rng, const glm::dvec3& center) {
    ReferenceShape s;
    s.kind = ReferenceShape::Kind::Sphere;
    s.center = ToFloat3(center);
    s.radius = static_cast<float>(Uniform(rng, 0.1, 3.0));
    return s;
}

ReferenceShape RandomBox(std::mt19937& rng, const glm::dvec3& center, bool oriented) {
    ReferenceShape b;
    b.kind = ReferenceShape::Kind::Box;
    b.center = ToFloat3(center);
    b.halfSizes = ToFloat3({Uniform(rng, 0.1, 3.0), Uniform(rng, 0.1, 3.0), Uniform(rng, 0.1, 3.0)});
    if (oriented) {
        const glm::dvec3 axis = RandomUnit(rng);
        const double angle = Uniform(rng, 0.0, 6.283185307179586);
        const double length = Uniform(rng, 0.5, 2.0);
        const glm::dvec3 v = axis * (std::sin(angle / 2.0) * length);
        b.orientation = {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z),
                         static_cast<float>(std::cos(angle / 2.0) * length)};
    }
    return b;
}

}  // namespace hitcalc_test
