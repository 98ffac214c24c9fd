// Where the landed sticky traps lie, as the local player asks the world each frame: one sphere per trap on
// the ground. A player whose own sphere touches one walks at half speed.
#pragma once

#include <span>

#include "shared/CollisionShapes.h"

class StickyTrapField {
public:
    virtual ~StickyTrapField() = default;
    virtual std::span<const CollisionSphere> LandedStickyTraps() const = 0;
};
