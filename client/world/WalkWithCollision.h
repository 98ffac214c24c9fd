// One frame of the local player's walk against the client's obstacles: it stops at walls it walks straight
// into, slides along walls it meets at a slant, stops in corners and bends round round obstacles.
#pragma once

#include <optional>

#include "client/world/CollisionManager.h"
#include "shared/CollisionShapes.h"
#include "shared/Float3.h"
#include "shared/collision/CollisionOBB.h"

// How much smaller than the player's sphere the side probes of a slide and of an axis walk are.
inline constexpr float kSlideProbeShrink = 0.1f;
// How much smaller than the player's sphere the side probes of the corner test are.
inline constexpr float kCornerProbeShrink = 0.15f;

// Where the player stands and where it walks. A direction of (0, 0, 0) means stopped.
struct WalkState {
    Float3 position;
    Float3 direction;
};

// What one frame of walking starts from.
struct WalkInput {
    WalkState walk;          // the position and the walking direction, a unit vector in the ground plane
    float speed = 0.0f;      // units per second
    float frameTime = 0.0f;  // seconds
    CollisionSphere sphere;  // centred where the player stood at its previous update
    std::optional<CollisionOBB> body;  // the body box as of the previous frame; none when the model has none
};

// Which of the four points one step away along -z, +z, +x and -x are blocked for a sphere of this radius.
struct BlockedSides {
    bool minusZ = false;
    bool plusZ = false;
    bool plusX = false;
    bool minusX = false;
};

BlockedSides ProbeSides(const CollisionManager& obstacles, const Float3& position, float step, float radius);

// Whether two or more sides are blocked, all of them on the sides the direction heads to (a side straight
// across from the heading does not count as ahead).
bool IsCornered(const CollisionManager& obstacles, const WalkState& walk, float step, float sphereRadius);

// Turns a diagonal heading along the wall it meets, probing one step away along each axis: with one side
// blocked the heading keeps only its sign along the free side; with both blocked the player is pushed back by
// its direction times the frame time and turned along x for headings (+, +) and (-, -), along z for the
// others, and stops when that side is still blocked after the push back. Headings along an axis are left as
// they are.
void SlideAlongBox(const CollisionManager& obstacles, WalkState& walk, float step, float frameTime,
                   float sphereRadius);

// The player's walk for one frame: where it stands afterwards and the direction it ended up walking in
// ((0, 0, 0) when it stopped). The player keeps that direction and reports the position.
//
// It stops when it walks along an axis into a box, when a box it meets at a slant leaves it cornered, when
// it meets two round obstacles, or one together with a box, and when it walks straight at the centre of a
// round obstacle. It stops where it stands for a direction that is not finite, a speed or frame time that
// is negative, infinite or NaN, and a move that would leave the finite numbers; a zero direction stays
// where it is, and a non-finite position is handed back as it came.
WalkState MoveWithCollision(const CollisionManager& obstacles, const WalkInput& input);

// The heading that takes a player walking in direction round a round obstacle centred at center, standing
// at position: the tangent of the obstacle's circle at the point nearest the player, turned to the side the
// heading leans to. (0, 0, 0) when the heading points straight at the centre.
Float3 BendRoundSphere(const Float3& position, const Float3& direction, const Float3& center);
