// ServerPlayerManager: reported movement, the animation relay and the round-start reset of each player.
#include <cmath>

#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerMovementMessages.h"
#include "protocol/ServerRuneMessages.h"
#include "server/ServerPlayerManager.h"

namespace {

bool AllFinite(float x, float y, float z) {
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

bool JumpsTooFar(const Float3& from, float x, float y, float z) {
    return std::fabs(x - from.x) > kMaxPositionStep || std::fabs(y - from.y) > kMaxPositionStep ||
           std::fabs(z - from.z) > kMaxPositionStep;
}

}  // namespace

void ServerPlayerManager::SetPosition(const RakNet::RakNetGUID& guid, float x, float y, float z) {
    PlayerRecord* player = FindPlayer(guid);
    if (player == nullptr || !player->alive) {
        return;
    }
    // A NaN passes every "too far" comparison as false, so it is refused before that test: stored, it
    // would make every later comparison false too and let any jump through.
    if (!AllFinite(x, y, z) || JumpsTooFar(player->position, x, y, z)) {
        protocol::SendTo(m_peer, protocol::PositionRejectedMessage{}, guid);
        return;
    }
    player->position = Float3{x, y, z};
}

void ServerPlayerManager::SetDirection(const RakNet::RakNetGUID& guid, float x, float y, float z) {
    PlayerRecord* player = FindPlayer(guid);
    if (player == nullptr || !player->alive || !AllFinite(x, y, z)) {
        return;
    }
    player->direction = Float3{x, y, z};
}

void ServerPlayerManager::Respawn(const RakNet::RakNetGUID& guid) {
    const int index = FindPlayerIndex(guid);
    if (index < 0) {
        return;
    }
    const std::int32_t team = m_players[static_cast<std::size_t>(index)].team;
    const Float3 spawn = ChooseSpawnPoint(guid, team);
    PlayerRecord& player = m_players[static_cast<std::size_t>(index)];
    player.position = spawn;
    protocol::SendTo(m_peer, protocol::RespawnPositionMessage{{spawn.x, spawn.y, spawn.z}}, guid);
    player.healing = false;
    protocol::Broadcast(m_peer, protocol::HealingStateMessage{guid, false});
}

void ServerPlayerManager::Revive(const RakNet::RakNetGUID& guid) {
    PlayerRecord* player = FindPlayer(guid);
    if (player == nullptr) {
        return;
    }
    player->health = player->maxHealth;
    player->alive = true;
    player->areaDamage = 0.0f;
    protocol::Broadcast(m_peer, protocol::PlayerHealthMessage{guid, player->health, player->alive}, {},
                        protocol::PlayerHealthSendParameters(player->health, true));
}

void ServerPlayerManager::RelayAnimation(const RakNet::RakNetGUID& guid, std::int32_t animation) const {
    if (IsPlayer(guid)) {
        protocol::Broadcast(m_peer, protocol::AnimationRelayMessage{guid, animation}, guid);
    }
}
