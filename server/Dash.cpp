#include "server/Dash.h"

#include <algorithm>
#include <array>

#include "hitcalc/Intersections.h"
#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"
#include "server/Enemies.h"
#include "server/ServerPlayerManager.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/HitcalcValues.h"

namespace {

// Whether the ray enters one of the body boxes nearer than reach.
bool CrossesBody(const Float3& origin, const Float3& direction, const std::vector<CollisionBox>& body,
                 float reach) {
    for (const CollisionBox& box : body) {
        const float distance = IntersectionTests::Intersections::RayBoxCollision(
            ToXMFloat3(origin), ToXMFloat3(direction), ToXMFloat3(box.center), ToXMFloat3(box.halfSizes));
        if (distance != 0.0f && distance < reach) {
            return true;
        }
    }
    return false;
}

}  // namespace

Float3 Dash(ServerPlayerManager& players, const CollisionChecker& collision,
            const RakNet::RakNetGUID& dasher) {
    const PlayerRecord player = players.GetPlayer(dasher);
    const Float3& p = player.position;
    const Float3& f = player.direction;
    // Only the first enemy crossed, by any of the rays, is damaged.
    bool hit = false;

    const std::array<Float3, 5> origins = {
        Float3{p.x, kDashRayHeight, p.z}, Float3{p.x - kDashRaySpread, kDashRayHeight, p.z},
        Float3{p.x + kDashRaySpread, kDashRayHeight, p.z}, Float3{p.x, kDashRayHeight, p.z - kDashRaySpread},
        Float3{p.x, kDashRayHeight, p.z + kDashRaySpread}};
    const Float3 direction{f.x, kDashRayHeight, f.z};
    float shortest = kMaxDashReach;
    for (const Float3& origin : origins) {
        const float reach = collision.ObstacleRayDistance(origin, direction);
        shortest = std::min(shortest, reach);
        const std::int32_t team = players.GetTeam(dasher);
        const std::vector<PlayerRecord> targets = players.GetPlayers();
        for (std::size_t i = 0; i < targets.size() && !hit; ++i) {
            if (IsEnemy(dasher, team, targets[i]) &&
                CrossesBody(origin, direction, players.GetBodyBoxes(static_cast<int>(i)), reach)) {
                players.Damage(targets[i].guid, kDashDamage, dasher,
                               static_cast<std::int32_t>(protocol::AbilityId::Dash), false);
                hit = true;
            }
        }
    }
    const float travel = std::max(shortest, 0.0f) - kDashStopShort;
    const Float3 end{p.x + f.x * travel, p.y, p.z + f.z * travel};
    protocol::SendTo(players.GetPeer(), protocol::DashTargetMessage{{end.x, end.y, end.z}}, dasher);
    return end;
}
