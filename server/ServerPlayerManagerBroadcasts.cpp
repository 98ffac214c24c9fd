// ServerPlayerManager: the roster and the periodic position and visibility broadcasts.
#include "protocol/MessageSend.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerMovementMessages.h"
#include "server/ServerPlayerManager.h"

namespace {

protocol::PlayerListEntry ToListEntry(const PlayerRecord& player) {
    return protocol::PlayerListEntry{
        .guid = player.guid,
        .playerIndex = player.playerIndex,
        .name = player.name,
        .position = {player.position.x, player.position.y, player.position.z},
        .direction = {player.direction.x, player.direction.y, player.direction.z},
        .team = player.team,
        .character = player.character,
        .maxHealth = player.maxHealth,
        .health = player.health,
        .alive = player.alive,
        .invisible = player.invisible,
        .tool = player.tool,
        .deaths = player.deaths,
        .kills = player.kills,
        .shield = player.shield,
        .healing = player.healing,
    };
}

}  // namespace

void ServerPlayerManager::BroadcastPlayerList() const {
    protocol::PlayerListMessage message;
    for (const PlayerRecord& player : m_players) {
        message.players.push_back(ToListEntry(player));
    }
    protocol::Broadcast(m_peer, message);
}

void ServerPlayerManager::BroadcastPositions() const {
    for (const PlayerRecord& player : m_players) {
        protocol::Broadcast(m_peer, protocol::EncodePositionUpdate(
                                        static_cast<std::uint8_t>(player.playerIndex), player.position.x,
                                        player.position.z, player.direction.x, player.direction.z));
    }
}

void ServerPlayerManager::BroadcastVisibility() const {
    const auto merged = m_visibility.MergeByTeam(m_players);
    for (const PlayerRecord& player : m_players) {
        const auto found = merged.find(player.team);
        protocol::VisiblePlayersMessage message;
        if (found != merged.end()) {
            message.playerIndices = found->second;
        }
        protocol::SendTo(m_peer, message, player.guid);
    }
}

void ServerPlayerManager::UpdateTimers(double dt) {
    if (m_timers.Advance(dt)) {
        BroadcastPositions();
        BroadcastVisibility();
    }
}
