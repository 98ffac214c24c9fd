// How long a smoke bomb, caltrops or a sticky trap flies from the thrower to its target: a throw at a speed
// of 30 under a gravity of 9.82 along the lower of the two arcs.
#pragma once

#include "shared/LevelRecords.h"

inline constexpr double kThrowGravity = 9.82;
inline constexpr double kThrowSpeed = 30.0;

// Seconds. 0 for a throw onto the thrower's own spot (or a distance that is not finite). Beyond the
// greatest reach of the arc (about 91.6 units) the throw is taken at 45 degrees, as if the asin argument
// were 1, so the result is always a finite number.
float ThrowFlightTime(const GroundPoint& start, const GroundPoint& target);
