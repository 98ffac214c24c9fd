#include "client/world/HipYaw.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

namespace {

constexpr float kForwardBandEnd = 1.1775f;
constexpr float kBackwardBandStart = 1.9625f;
constexpr float kDiagonalBandStart = 0.3925f;
constexpr float kBackwardDiagonalEnd = 2.7475f;

}  // namespace

float AngleBetween(const glm::vec3& a, const glm::vec3& b) {
    const float lengths = glm::length(a) * glm::length(b);
    if (!(lengths > 0.0f)) {
        return 0.0f;
    }
    return std::acos(std::clamp(glm::dot(a, b) / lengths, -1.0f, 1.0f));
}

float CrossY(const glm::vec3& a, const glm::vec3& b) {
    return a.z * b.x - a.x * b.z;
}

WalkBand ClassifyWalk(float c) {
    if (c < kForwardBandEnd) {
        return WalkBand::Forward;
    }
    if (c > kBackwardBandStart) {
        return WalkBand::Backward;
    }
    return WalkBand::Sideways;
}

float SnapToEighthTurn(float x) {
    const float k = x / kEighthTurn;
    // The integer part stays a float: no conversion to int can overflow on a huge or non-finite angle.
    const float n = std::trunc(k);
    if (n >= 0.0f && n <= 7.0f && k > n + 0.5f) {
        return (n + 1.0f) * kEighthTurn;
    }
    return n * kEighthTurn;
}

float FacingYaw(float o, float side) {
    return side > 0.0f ? kFullTurn - o : o;
}

float MovingHipYaw(float c, float o, float turn, float side) {
    const bool positiveTurn = turn > 0.0f;
    const bool positiveX = side > 0.0f;
    if (c > kDiagonalBandStart && c < kForwardBandEnd) {
        if (positiveTurn) {
            return positiveX ? kFullTurn - SnapToEighthTurn(o - c) : SnapToEighthTurn(o + c);
        }
        return positiveX ? kFullTurn - SnapToEighthTurn(o + c) : SnapToEighthTurn(o - c);
    }
    if (c > kBackwardBandStart && c < kBackwardDiagonalEnd) {
        if (positiveTurn) {
            return positiveX ? kFullTurn - SnapToEighthTurn(o - c + kHalfTurn)
                             : SnapToEighthTurn(o + c) - kHalfTurn;
        }
        return positiveX ? kFullTurn - SnapToEighthTurn(o + c) - kHalfTurn
                         : SnapToEighthTurn(o - c + kHalfTurn);
    }
    return positiveX ? kFullTurn - SnapToEighthTurn(o) : SnapToEighthTurn(o);
}
