// A ray of the client's collision queries: where it starts, where it points and, after a test, how far along
// it the hit lies.
#pragma once

#include "shared/Float3.h"

struct CollisionRay {
    Float3 origin;
    Float3 direction;          // of any length: hit distances are in world units along it
    float hitDistance = 0.0f;  // written by RayHitsBox: the distance to the hit, 0 on a miss
};
