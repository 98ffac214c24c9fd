// The angles behind a ninja's lower body: which running clip a walk calls for, and the yaw the hips take.
//
// Yaws are measured about the up axis (0, 1, 0) from the reference forward (0, 0, -1): a yaw of a quarter
// turn faces -x. A facing with a positive x has the yaw 6.28 minus its angle from the reference forward.
// The game's own rounded constants (0.785 for an eighth of a turn, 3.14, 6.28) are kept, so hips snapped to
// n eighths of a turn sit a little short of n * 45 degrees.
#pragma once

#include <glm/vec3.hpp>

inline constexpr glm::vec3 kReferenceForward{0.0f, 0.0f, -1.0f};
inline constexpr glm::vec3 kUpAxis{0.0f, 1.0f, 0.0f};

inline constexpr float kEighthTurn = 0.785f;
inline constexpr float kHalfTurn = 3.14f;
inline constexpr float kFullTurn = 6.28f;
// A standing body turns its hips once the facing is more than this from them.
inline constexpr float kStandingTurnThreshold = 0.3925f;
// The hips of a standing body close this many times the gap to the facing per second.
inline constexpr float kStandingTurnRate = 4.0f;

// The angle between a and b in 0 ... pi. The cosine is clamped to [-1, 1], so two vectors along one line
// give exactly 0 or pi even when rounding puts their cosine a step outside. 0 when either vector is zero.
float AngleBetween(const glm::vec3& a, const glm::vec3& b);

// The y component of a cross b.
float CrossY(const glm::vec3& a, const glm::vec3& b);

// Which way a walk goes relative to the facing, by the angle c between them. The forward band ends before
// 1.1775 and the backward band starts after 1.9625: both bounds count as sideways.
enum class WalkBand { Forward, Sideways, Backward };
WalkBand ClassifyWalk(float c);

// Rounds an angle to whole eighths of a turn: with k = x / 0.785 and n its integer part (towards zero),
// (n + 1) * 0.785 when n is in 0 ... 7 and k > n + 0.5, otherwise n * 0.785. So negative angles and angles
// of eight eighths or more are cut towards zero, never rounded up.
float SnapToEighthTurn(float x);

// The yaw of a facing whose angle from the reference forward is o; side is the y component of
// facing x reference forward (positive when the facing has a positive x).
float FacingYaw(float o, float side);

// The hip yaw of a moving body: c is the angle between facing and walk, o the angle between the reference
// forward and the hip facing, turn the y component of hip facing x walk, side as for FacingYaw. A forward
// diagonal walk (0.3925 < c < 1.1775) points the hips along the walk, a backward diagonal one
// (1.9625 < c < 2.7475) against it (the legs run backwards), any other walk along the facing; always
// snapped to eighths of a turn.
float MovingHipYaw(float c, float o, float turn, float side);
