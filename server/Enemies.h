// Who an attack may hit, and whether an object's boxes touch a body or an obstacle.
#pragma once

#include <cstdint>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/PlayerRecord.h"
#include "shared/CollisionShapes.h"

class CollisionChecker;
class ServerPlayerManager;

// target is an enemy of the attacker, a player of attackerTeam, when it is not the attacker, plays for
// another team and is alive. Objects pass the team their owner had when it made them, so that they keep
// sparing the owner's side after the owner left.
bool IsEnemy(const RakNet::RakNetGUID& attacker, std::int32_t attackerTeam, const PlayerRecord& target);

// Whether any of the boxes overlaps any of the body boxes.
bool TouchesAny(const std::vector<CollisionBox>& boxes, const std::vector<CollisionBox>& body);

// Whether any of the boxes touches a wall or pillar.
bool HitsAnyObstacle(const CollisionChecker& collision, const std::vector<CollisionBox>& boxes);

// The list position of the first enemy of owner, a player of ownerTeam, in snapshot (the player list as it
// stood when the calling check began), whose body boxes touch boxes; -1 when there is none.
int FirstEnemyTouched(const ServerPlayerManager& players, const std::vector<PlayerRecord>& snapshot,
                      const RakNet::RakNetGUID& owner, std::int32_t ownerTeam,
                      const std::vector<CollisionBox>& boxes);
