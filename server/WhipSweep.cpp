#include "server/WhipSweep.h"

#include "hitcalc/Intersections.h"
#include "protocol/MessageIds.h"
#include "server/Enemies.h"
#include "server/ServerPlayerManager.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/HitcalcValues.h"

int WhipSweep(ServerPlayerManager& players, const CollisionChecker& collision,
              const RakNet::RakNetGUID& attacker) {
    const PlayerRecord sweeper = players.GetPlayer(attacker);
    int hits = 0;
    for (const PlayerRecord& target : players.GetPlayers()) {
        if (IsEnemy(attacker, players.GetTeam(attacker), target) &&
            IntersectionTests::Intersections::SphereSphereCollision(
                ToXMFloat3(sweeper.position), kWhipSweepRadius, ToXMFloat3(target.position),
                kWhipSweepBodyRadius) &&
            !collision.IsLineBlocked(sweeper.position, target.position, true)) {
            players.Damage(target.guid, kWhipSweepDamage, attacker,
                           static_cast<std::int32_t>(protocol::AbilityId::WhipSecondaryAttackAbility), false);
            ++hits;
        }
    }
    return hits;
}
