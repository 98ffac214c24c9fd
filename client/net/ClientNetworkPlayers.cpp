// The player records: the roster and the lobby from the server, and the lookups the game makes.
#include <algorithm>
#include <cmath>

#include "client/net/ClientNetwork.h"

using namespace RakNet;

namespace {

bool Finite(const protocol::Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Character and tool numbers index the client's model and icon tables: anything out of range becomes the
// first entry.
int CharacterInRange(std::int32_t character) {
    return character >= 0 && character < kCharacterCount ? character : 0;
}
int ToolInRange(std::int32_t tool) {
    return tool >= 0 && tool < kToolCount ? tool : 0;
}

}  // namespace

NetworkPlayer* ClientNetwork::RecordOf(const RakNetGUID& guid) {
    return const_cast<NetworkPlayer*>(static_cast<const ClientNetwork*>(this)->RecordOf(guid));
}

const NetworkPlayer* ClientNetwork::RecordOf(const RakNetGUID& guid) const {
    if (guid == MyGuid()) {
        return &localPlayer;
    }
    for (const NetworkPlayer& player : remotePlayers) {
        if (player.guid == guid) {
            return &player;
        }
    }
    return nullptr;
}

void ClientNetwork::ApplyPlayerList(const protocol::PlayerListMessage& message) {
    if (message.players.size() > kMaxListedPlayers) {
        Log("Dropped a player list of " + std::to_string(message.players.size()) + " players.");
        return;
    }
    for (const protocol::PlayerListEntry& entry : message.players) {
        if (entry.playerIndex < 0 || entry.playerIndex > UINT16_MAX) {
            Log("Dropped a player list with a bad player index.");
            return;
        }
    }
    const RakNetGUID me = MyGuid();
    for (const protocol::PlayerListEntry& entry : message.players) {
        NetworkPlayer* record = RecordOf(entry.guid);
        if (record == nullptr) {
            NetworkPlayer added;
            added.guid = entry.guid;
            remotePlayers.push_back(added);
            record = &remotePlayers.back();
        }
        record->guid = entry.guid;
        if (Finite(entry.position)) {
            record->position = entry.position;
        }
        if (Finite(entry.direction)) {
            record->direction = entry.direction;
        }
        if (std::isfinite(entry.health)) {
            record->health = entry.health;
        }
        record->alive = entry.alive;
        record->character = CharacterInRange(entry.character);
        record->team = entry.team;
        record->tool = ToolInRange(entry.tool);
        if (std::isfinite(entry.maxHealth)) {
            record->maxHealth = entry.maxHealth;
        }
        record->playerIndex = entry.playerIndex;
        record->name = entry.name;
        record->deaths = entry.deaths;
        record->kills = entry.kills;
        record->invisible = entry.invisible;
        record->shield = std::isfinite(entry.shield) ? entry.shield : 0.0f;
        record->healing = entry.healing;
        if (entry.guid == me && !m_ownPlaced) {
            PlaceLocalPlayer(record->position);
            m_ownDirection = record->direction;
            m_lastSentDirection = record->direction;
        }
    }
    std::erase_if(remotePlayers, [&](const NetworkPlayer& player) {
        return std::none_of(
            message.players.begin(), message.players.end(),
            [&](const protocol::PlayerListEntry& entry) { return entry.guid == player.guid; });
    });
    ++m_rosterNumber;
}

void ClientNetwork::PlaceLocalPlayer(const protocol::Vec3& position) {
    m_ownPosition = position;
    m_lastSentPosition = position;
    m_ownPlaced = true;
}

void ClientNetwork::ApplyLobby(const protocol::LobbyStateMessage& message) {
    if (message.members.size() > kMaxListedPlayers) {
        Log("Dropped a lobby of " + std::to_string(message.members.size()) + " players.");
        return;
    }
    const RakNetGUID me = MyGuid();
    lobbyPlayers.clear();
    for (const protocol::LobbyEntry& entry : message.members) {
        if (entry.guid == me) {
            continue;
        }
        lobbyPlayers.push_back(LobbyPlayer{entry.name, CharacterInRange(entry.character),
                                           ToolInRange(entry.tool), entry.teamChoice, entry.ready,
                                           entry.guid});
    }
}

NetworkPlayer ClientNetwork::GetPlayer(const RakNetGUID& guid) const {
    const NetworkPlayer* record = RecordOf(guid);
    return record != nullptr ? *record : NetworkPlayer{};
}

int ClientNetwork::GetPlayerIndex(const RakNetGUID& guid) const {
    const NetworkPlayer* record = RecordOf(guid);
    return record != nullptr ? record->playerIndex : -1;
}

int ClientNetwork::GetTeam(const RakNetGUID& guid) const {
    const NetworkPlayer* record = RecordOf(guid);
    return record != nullptr ? record->team : -1;
}

bool ClientNetwork::IsVisible(const RakNetGUID& guid) const {
    if (guid == MyGuid()) {
        return true;
    }
    const NetworkPlayer* record = RecordOf(guid);
    if (record == nullptr || record->playerIndex < 0) {
        return false;
    }
    return std::find(visiblePlayers.begin(), visiblePlayers.end(), record->playerIndex) !=
           visiblePlayers.end();
}

void ClientNetwork::SetSeenPlayers(const std::vector<RakNetGUID>& guids) {
    seenPlayers.clear();
    for (const RakNetGUID& guid : guids) {
        const NetworkPlayer* record = RecordOf(guid);
        if (record == nullptr || record->team == localPlayer.team || record->playerIndex < 0 ||
            record->playerIndex > UINT8_MAX || seenPlayers.size() >= UINT8_MAX) {
            continue;
        }
        seenPlayers.push_back(static_cast<std::uint8_t>(record->playerIndex));
    }
}

bool ClientNetwork::AllLobbyPlayersReady() const {
    return std::all_of(lobbyPlayers.begin(), lobbyPlayers.end(),
                       [](const LobbyPlayer& player) { return player.ready; });
}
