#include "client/world/WalkWithCollision.h"

#include <cmath>
#include <vector>

namespace {

// The float nearest pi, as atan2 returns it for headings straight along -x.
const float kPi = std::atan2(0.0f, -1.0f);
constexpr float kHalfPi = 1.5707964f;
constexpr Float3 kStopped{0.0f, 0.0f, 0.0f};

bool IsFinite(const Float3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

float Sign(float v) {
    return v > 0.0f ? 1.0f : -1.0f;
}

Float3 Offset(const Float3& p, const Float3& d, float scale) {
    return {p.x + d.x * scale, p.y + d.y * scale, p.z + d.z * scale};
}

bool IsAlongAxis(const Float3& d) {
    return d.x == 1.0f || d.x == -1.0f || d.z == 1.0f || d.z == -1.0f;
}

bool IsStopped(const Float3& d) {
    return d.x == 0.0f && d.y == 0.0f && d.z == 0.0f;
}

// Whether the probe on the side an axis heading walks to is blocked.
bool AxisSideBlocked(const BlockedSides& sides, const Float3& d) {
    return (d.z == -1.0f && sides.minusZ) || (d.z == 1.0f && sides.plusZ) || (d.x == 1.0f && sides.plusX) ||
           (d.x == -1.0f && sides.minusX);
}

}  // namespace

BlockedSides ProbeSides(const CollisionManager& obstacles, const Float3& position, float step, float radius) {
    BlockedSides sides;
    sides.minusZ = obstacles.IsBlocked({position.x, position.y, position.z - step}, radius);
    sides.plusZ = obstacles.IsBlocked({position.x, position.y, position.z + step}, radius);
    sides.plusX = obstacles.IsBlocked({position.x + step, position.y, position.z}, radius);
    sides.minusX = obstacles.IsBlocked({position.x - step, position.y, position.z}, radius);
    return sides;
}

bool IsCornered(const CollisionManager& obstacles, const WalkState& walk, float step, float sphereRadius) {
    const BlockedSides sides = ProbeSides(obstacles, walk.position, step, sphereRadius - kCornerProbeShrink);
    const int blocked = int{sides.minusZ} + int{sides.plusZ} + int{sides.plusX} + int{sides.minusX};
    const Float3& d = walk.direction;
    const bool blockedBehind = (d.x > 0.0f && sides.minusX) || (d.x <= 0.0f && sides.plusX) ||
                               (d.z <= 0.0f && sides.plusZ) || (d.z > 0.0f && sides.minusZ);
    return blocked >= 2 && !blockedBehind;
}

void SlideAlongBox(const CollisionManager& obstacles, WalkState& walk, float step, float frameTime,
                   float sphereRadius) {
    const Float3 d = walk.direction;
    if (d.x == 0.0f || d.z == 0.0f) {
        return;
    }
    const BlockedSides sides = ProbeSides(obstacles, walk.position, step, sphereRadius - kSlideProbeShrink);
    const float sx = Sign(d.x);
    const float sz = Sign(d.z);
    const bool xSide = sx > 0.0f ? sides.plusX : sides.minusX;
    const bool zSide = sz > 0.0f ? sides.plusZ : sides.minusZ;
    if (xSide && zSide) {
        walk.position = Offset(walk.position, d, -frameTime);
        // Headings (+, +) and (-, -) turn along x, the other two along z: towards a side that was blocked.
        // The player walks on that way only when the push back has made room on that side, as for a walk
        // along an axis; otherwise it would step into the wall it stands against.
        walk.direction = sx == sz ? Float3{sx, 0.0f, 0.0f} : Float3{0.0f, 0.0f, sz};
        const BlockedSides after =
            ProbeSides(obstacles, walk.position, step, sphereRadius - kSlideProbeShrink);
        if (AxisSideBlocked(after, walk.direction)) {
            walk.direction = kStopped;
        }
    } else if (xSide) {
        walk.direction = {0.0f, 0.0f, sz};
    } else if (zSide) {
        walk.direction = {sx, 0.0f, 0.0f};
    }
}

Float3 BendRoundSphere(const Float3& position, const Float3& direction, const Float3& center) {
    const float toCentre = std::atan2(center.z - position.z, center.x - position.x);
    const float heading = std::atan2(direction.z, direction.x);
    if (toCentre == heading || (std::fabs(toCentre) == kPi && std::fabs(heading) == kPi)) {
        return kStopped;  // straight at the centre: neither way round is nearer
    }
    // The side to turn to: the difference of the two angles, its sign flipped where the angles lie across
    // the -x axis from each other.
    float f = toCentre - heading;
    if (toCentre < 0.0f) {
        f = -f;
    }
    if (heading >= kHalfPi && toCentre <= -kHalfPi) {
        f = -f;
    }
    if (heading <= -kHalfPi && toCentre >= kHalfPi) {
        f = -f;
    }
    // The tangent at the point of the circle nearest the player, at angle a from the centre, is
    // (sin a, -cos a) or its opposite; the sign of f over sin a picks one. Level with the centre along z
    // (sin a = 0) the tangent runs along z and f alone picks its sense.
    const float a = std::atan2(position.z - center.z, position.x - center.x);
    const float sinA = std::sin(a);
    if (sinA == 0.0f) {
        return {0.0f, 0.0f, Sign(f)};
    }
    const float sense = Sign(f) * Sign(sinA);
    return {sense * sinA, 0.0f, -sense * std::cos(a)};
}

WalkState MoveWithCollision(const CollisionManager& obstacles, const WalkInput& input) {
    WalkState walk = input.walk;
    const float step = input.frameTime * input.speed;
    if (!IsFinite(walk.position)) {
        return walk;
    }
    if (!IsFinite(walk.direction) || !(input.speed >= 0.0f) || !(input.frameTime >= 0.0f) ||
        !std::isfinite(step)) {
        walk.direction = kStopped;
        return walk;
    }
    if (IsStopped(walk.direction)) {
        return walk;
    }
    const float sphereRadius = input.sphere.radius;

    // Boxes: only how many the body meets decides between sliding and a corner.
    const std::size_t boxCount =
        input.body
            ? obstacles.GetCollidingBoxes(*input.body, walk.direction, input.speed, input.frameTime).size()
            : 0;
    for (std::size_t i = 0; i < boxCount && !IsStopped(walk.direction); ++i) {
        if (IsAlongAxis(walk.direction)) {
            const BlockedSides sides =
                ProbeSides(obstacles, walk.position, step, sphereRadius - kSlideProbeShrink);
            if (AxisSideBlocked(sides, walk.direction)) {
                walk.direction = kStopped;
            }
        } else if (boxCount > 1 && IsCornered(obstacles, walk, step, sphereRadius)) {
            walk.direction = kStopped;
        } else {
            SlideAlongBox(obstacles, walk, step, input.frameTime, sphereRadius);
        }
    }

    // Round obstacles: bend round each one met.
    const std::vector<CollisionSphere> spheres =
        obstacles.GetCollidingSpheres(input.sphere, walk.direction, input.speed, input.frameTime);
    for (const CollisionSphere& sphere : spheres) {
        if (!IsStopped(walk.direction)) {
            walk.direction = BendRoundSphere(walk.position, walk.direction, sphere.center);
        }
    }
    if (spheres.size() >= 2 || (spheres.size() == 1 && boxCount >= 1)) {
        walk.direction = kStopped;
    }

    const Float3 moved = Offset(walk.position, walk.direction, step);
    if (!IsFinite(moved)) {
        walk.direction = kStopped;
        return walk;
    }
    walk.position = moved;
    return walk;
}
