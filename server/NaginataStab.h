// The naginata stab: for 1.5 s after it starts, every enemy inside the long box in front of the stabbing
// player, with no tall wall or pillar in between, takes 30 damage per second.
#pragma once

#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/ActiveStab.h"
#include "shared/Float3.h"
#include "shared/collision/CollisionOBB.h"

class ServerPlayerManager;
class CollisionChecker;

inline constexpr float kStabDuration = 1.5f;
inline constexpr float kStabDamageRate = 30.0f;
inline constexpr float kStabBodyRadius = 1.0f;
// The box in front of the player: its centre this far ahead, these half-sizes across, up and along.
inline constexpr float kStabBoxAhead = 2.0f;
inline constexpr Float3 kStabBoxHalfSizes{0.7f, 1.0f, 2.0f};

// Starts a stab of the player and tells it ID_STAB_STARTED.
void StartStab(ServerPlayerManager& players, std::vector<ActiveStab>& stabs, const RakNet::RakNetGUID& guid);

// The box a player at position facing along facing stabs into: turned about y so that its long side
// points along the facing.
CollisionOBB StabBox(const Float3& position, const Float3& facing);

// Each frame: ages every stab, damages the enemies in front of each living stabbing player and ends the
// stabs older than kStabDuration.
void StabCheck(ServerPlayerManager& players, const CollisionChecker& collision,
               std::vector<ActiveStab>& stabs, float frameTime);
