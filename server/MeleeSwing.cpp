#include "server/MeleeSwing.h"

#include <algorithm>
#include <cmath>

#include "hitcalc/Intersections.h"
#include "server/Enemies.h"
#include "server/ServerPlayerManager.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/HitcalcValues.h"

using IntersectionTests::Intersections;

bool SwingReaches(const Float3& position, const Float3& facing, const Float3& target) {
    if (!Intersections::SphereSphereCollision(ToXMFloat3(position), kMeleeRange, ToXMFloat3(target),
                                              kMeleeBodyRadius)) {
        return false;
    }
    const Float3 behind{position.x - facing.x, position.y, position.z - facing.z};
    if (Intersections::SphereSphereCollision(ToXMFloat3(behind), kMeleeBehindRadius, ToXMFloat3(target),
                                             kMeleeBehindBodyRadius)) {
        return false;
    }
    // The angle between the facing and the line from the point behind the attacker to the target.
    const double vx = static_cast<double>(target.x) - behind.x;
    const double vz = static_cast<double>(target.z) - behind.z;
    const double fx = facing.x;
    const double fz = facing.z;
    const double lengths = std::sqrt(vx * vx + vz * vz) * std::sqrt(fx * fx + fz * fz);
    if (!(lengths > 0.0) || !std::isfinite(lengths)) {
        return false;  // no direction to measure an angle from
    }
    const double cosine = std::clamp((vx * fx + vz * fz) / lengths, -1.0, 1.0);
    return std::acos(cosine) < static_cast<double>(kMeleeHalfAngle);
}

bool MeleeSwing(ServerPlayerManager& players, const CollisionChecker& collision,
                const RakNet::RakNetGUID& attacker, float damage, std::int32_t ability) {
    const PlayerRecord swinger = players.GetPlayer(attacker);
    for (const PlayerRecord& target : players.GetPlayers()) {
        if (IsEnemy(attacker, players.GetTeam(attacker), target) &&
            SwingReaches(swinger.position, swinger.direction, target.position) &&
            !collision.IsLineBlocked(swinger.position, target.position, false)) {
            players.Damage(target.guid, damage, attacker, ability, false);
            return true;
        }
    }
    return false;
}
