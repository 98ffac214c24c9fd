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
// another team and is alive. An attacker who has left has team kNoTeam, so everybody but it is an enemy.
bool IsEnemy(const RakNet::RakNetGUID& attacker, std::int32_t attackerTeam, const PlayerRecord& target);

// Whether any of the boxes overlaps any of the body boxes.
bool TouchesAny(const std::vector<CollisionBox>& boxes, const std::vector<CollisionBox>& body);

// Whether any of the boxes touches a wall or pillar.
bool HitsAnyObstacle(const CollisionChecker& collision, const std::vector<CollisionBox>& boxes);

// The list position of the first enemy of owner, in snapshot (the player list as it stood when the calling
// check began), whose body boxes touch boxes; -1 when there is none. The owner's team is looked up now.
int FirstEnemyTouched(const ServerPlayerManager& players, const std::vector<PlayerRecord>& snapshot,
                      const RakNet::RakNetGUID& owner, const std::vector<CollisionBox>& boxes);
