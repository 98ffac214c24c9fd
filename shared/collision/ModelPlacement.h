// The world transform of a placed model: a rotation about the model's origin, then a move to its position.
// There is no scaling.
#pragma once

#include "shared/Float3.h"
#include "shared/Float4.h"

// The unit quaternion (x, y, z, w) of a model's Euler angles as the level loader stores them (x pitch, y yaw,
// z roll): the roll about z is applied first, then the pitch about x, then the yaw about y.
Float4 RollPitchYawQuaternion(const Float3& angles);

// A point of the model, turned by rotation (a unit quaternion) and then moved by position.
Float3 PlaceModelPoint(const Float3& point, const Float4& rotation, const Float3& position);
