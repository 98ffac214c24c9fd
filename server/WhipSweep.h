// The whip's sweep: it strikes every enemy whose body sphere touches the 7-unit circle about the attacker,
// unless a tall wall or a pillar stands in between.
#pragma once

#include "raknet/RakNetTypes.h"

class ServerPlayerManager;
class CollisionChecker;

inline constexpr float kWhipSweepRadius = 7.0f;
inline constexpr float kWhipSweepBodyRadius = 1.0f;
inline constexpr float kWhipSweepDamage = 25.0f;

// The number of players hit.
int WhipSweep(ServerPlayerManager& players, const CollisionChecker& collision,
              const RakNet::RakNetGUID& attacker);
