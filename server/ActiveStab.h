// A naginata stab in progress: it damages enemies in front of the stabbing player for a while after it
// started.
#pragma once

#include "raknet/RakNetTypes.h"

struct ActiveStab {
    RakNet::RakNetGUID guid;  // the stabbing player
    float elapsed = 0.0f;     // seconds since the stab started
    bool active = true;

    friend bool operator==(const ActiveStab&, const ActiveStab&) = default;
};
