#include "server/SuddenDeathCheck.h"

#include "protocol/MessageIds.h"
#include "server/AreaDamage.h"
#include "server/ServerPlayerManager.h"

namespace {

bool OutsideSafeSquare(const Float3& position) {
    return position.x > kSafeSquareHalfSize || position.x < -kSafeSquareHalfSize ||
           position.z > kSafeSquareHalfSize || position.z < -kSafeSquareHalfSize;
}

}  // namespace

void SuddenDeathCheck(ServerPlayerManager& players, double frameTime) {
    for (const PlayerRecord& player : players.GetPlayers()) {
        if (player.alive && OutsideSafeSquare(player.position)) {
            ApplyAreaDamage(players, player,
                            AreaDamage{kSuddenDeathDamageRate,
                                       static_cast<std::int32_t>(protocol::AbilityId::SuddenDeath),
                                       player.guid, false, kSuddenDeathThreshold},
                            static_cast<float>(frameTime));
        }
    }
}
