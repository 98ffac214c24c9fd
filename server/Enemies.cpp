#include "server/Enemies.h"

#include "server/ServerPlayerManager.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/Overlaps.h"

bool IsEnemy(const RakNet::RakNetGUID& attacker, std::int32_t attackerTeam, const PlayerRecord& target) {
    return target.guid != attacker && target.team != attackerTeam && target.alive;
}

bool TouchesAny(const std::vector<CollisionBox>& boxes, const std::vector<CollisionBox>& body) {
    for (const CollisionBox& box : boxes) {
        for (const CollisionBox& part : body) {
            if (BoxesOverlap(box, part)) {
                return true;
            }
        }
    }
    return false;
}

bool HitsAnyObstacle(const CollisionChecker& collision, const std::vector<CollisionBox>& boxes) {
    for (const CollisionBox& box : boxes) {
        if (collision.HitsObstacle(box)) {
            return true;
        }
    }
    return false;
}

int FirstEnemyTouched(const ServerPlayerManager& players, const std::vector<PlayerRecord>& snapshot,
                      const RakNet::RakNetGUID& owner, std::int32_t ownerTeam,
                      const std::vector<CollisionBox>& boxes) {
    for (std::size_t i = 0; i < snapshot.size(); ++i) {
        if (IsEnemy(owner, ownerTeam, snapshot[i]) &&
            TouchesAny(boxes, players.GetBodyBoxes(static_cast<int>(i)))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
