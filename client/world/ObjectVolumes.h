// The collision volumes of one placed object, in world space, computed once when it is placed.
#pragma once

#include <vector>

#include "shared/CollisionShapes.h"
#include "shared/collision/CollisionOBB.h"

struct ObjectVolumes {
    std::vector<CollisionOBB> boxes;
    std::vector<CollisionSphere> spheres;
};
