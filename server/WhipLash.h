// The whip's lash: it strikes the first enemy in list order whose body lies on the attacker's facing within
// 9 units, unless a tall wall or a pillar stands in between.
#pragma once

#include "raknet/RakNetTypes.h"

class ServerPlayerManager;
class CollisionChecker;

inline constexpr float kWhipLashReach = 9.0f;
inline constexpr float kWhipLashBodyRadius = 1.0f;
inline constexpr float kWhipLashDamage = 15.0f;

// True when it hit.
bool WhipLash(ServerPlayerManager& players, const CollisionChecker& collision,
              const RakNet::RakNetGUID& attacker);
