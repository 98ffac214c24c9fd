// The dash: the player rushes along its facing up to 13 units, stopping one unit short of the nearest
// obstacle, and damages the first enemy its path crosses. Five parallel rays (the centre and half a unit to
// each side along x and z) measure the path; the shortest reach decides where the dash ends, which the
// dasher is told with ID_DASH_TARGET.
#pragma once

#include "raknet/RakNetTypes.h"
#include "shared/Float3.h"

class ServerPlayerManager;
class CollisionChecker;

inline constexpr float kDashRayHeight = 0.1f;
inline constexpr float kDashRaySpread = 0.5f;
inline constexpr float kDashDamage = 10.0f;
// The dash ends this far short of the nearest obstacle.
inline constexpr float kDashStopShort = 1.0f;

// Carries out the dash of the player with this guid; returns where it ends (also sent to the dasher).
Float3 Dash(ServerPlayerManager& players, const CollisionChecker& collision,
            const RakNet::RakNetGUID& dasher);
