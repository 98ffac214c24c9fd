// Walking with collision: a bot steps toward its goal, turning along obstacles instead of entering them.
#pragma once

#include "tools/bots/ArenaMap.h"
#include "tools/bots/Ground.h"

class Steerer {
public:
    // The point reached from p by at most step toward goal without entering an obstacle: straight on when
    // free; otherwise the smallest turn (up to 157.5 degrees) that is free, keeping to the side it turned to
    // last time until the straight way is free again, so that a bot follows a wall round its end instead
    // of rocking in front of it; p itself when every way is blocked. A bot that already stands in an
    // obstacle walks straight on, so that it can get out.
    Ground Step(const ArenaMap& map, Ground p, Ground goal, float step);

private:
    int m_side = 0;  // +1 or -1 while detouring, 0 on the straight way
};

// Moves p toward target by at most maxAxis on each axis (the server rejects larger jumps between reports).
Ground ClampStep(Ground p, Ground target, float maxAxis);
