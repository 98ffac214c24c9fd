#include "server/NaginataStab.h"

#include <cmath>

#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"
#include "server/AreaDamage.h"
#include "server/Enemies.h"
#include "server/ServerPlayerManager.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/Overlaps.h"

void StartStab(ServerPlayerManager& players, std::vector<ActiveStab>& stabs, const RakNet::RakNetGUID& guid) {
    stabs.push_back(ActiveStab{guid, 0.0f, true});
    protocol::SendTo(players.GetPeer(), protocol::StabStartedMessage{guid}, guid);
}

CollisionOBB StabBox(const Float3& position, const Float3& facing) {
    const float half = 0.5f * std::atan2(facing.x, facing.z);
    const Float3 center{position.x + kStabBoxAhead * facing.x, position.y,
                        position.z + kStabBoxAhead * facing.z};
    return MakeCollisionOBB(center, kStabBoxHalfSizes, Float4{0.0f, std::sin(half), 0.0f, std::cos(half)});
}

void StabCheck(ServerPlayerManager& players, const CollisionChecker& collision,
               std::vector<ActiveStab>& stabs, float frameTime) {
    const std::vector<PlayerRecord> snapshot = players.GetPlayers();
    for (ActiveStab& stab : stabs) {
        stab.elapsed += frameTime;
        const int stabber = players.FindPlayerIndex(stab.guid);
        if (!stab.active || stabber < 0 || !snapshot[static_cast<std::size_t>(stabber)].alive) {
            continue;
        }
        const PlayerRecord& attacker = snapshot[static_cast<std::size_t>(stabber)];
        const CollisionOBB box = StabBox(attacker.position, attacker.direction);
        for (const PlayerRecord& target : snapshot) {
            if (IsEnemy(attacker.guid, attacker.team, target) &&
                OBBSphereOverlap(box, CollisionSphere{target.position, kStabBodyRadius}) &&
                !collision.IsLineBlocked(attacker.position, target.position, true)) {
                ApplyAreaDamage(
                    players, target,
                    AreaDamage{kStabDamageRate, static_cast<std::int32_t>(protocol::AbilityId::NaginataStab),
                               attacker.guid, true},
                    frameTime);
            }
        }
    }
    std::erase_if(stabs, [](const ActiveStab& stab) { return stab.elapsed > kStabDuration; });
}
