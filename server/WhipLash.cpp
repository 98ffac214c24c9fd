#include "server/WhipLash.h"

#include "hitcalc/Intersections.h"
#include "protocol/MessageIds.h"
#include "server/Enemies.h"
#include "server/ServerPlayerManager.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/HitcalcValues.h"

namespace {

bool OnTheLash(const PlayerRecord& attacker, const PlayerRecord& target) {
    const IntersectionTests::XMFLOAT4 facing{attacker.direction.x, attacker.direction.y, attacker.direction.z,
                                             0.0f};
    float distance = 0.0f;
    return IntersectionTests::Intersections::RaySphereCollision(ToXMFloat3(attacker.position), facing,
                                                                ToXMFloat3(target.position),
                                                                kWhipLashBodyRadius, distance) &&
           distance <= kWhipLashReach;
}

}  // namespace

bool WhipLash(ServerPlayerManager& players, const CollisionChecker& collision,
              const RakNet::RakNetGUID& attacker) {
    const PlayerRecord lasher = players.GetPlayer(attacker);
    for (const PlayerRecord& target : players.GetPlayers()) {
        if (IsEnemy(attacker, players.GetTeam(attacker), target) && OnTheLash(lasher, target) &&
            !collision.IsLineBlocked(lasher.position, target.position, true)) {
            players.Damage(target.guid, kWhipLashDamage, attacker,
                           static_cast<std::int32_t>(protocol::AbilityId::WhipPrimaryAttackAbility), false);
            return true;
        }
    }
    return false;
}
