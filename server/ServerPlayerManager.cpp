#include "server/ServerPlayerManager.h"

#include <cstdio>

#include "protocol/MessageSend.h"
#include "protocol/ServerConnectionMessages.h"
#include "shared/ConsoleLog.h"
#include "shared/ModelLibrary.h"

bool ServerPlayerManager::Initialize(RakNet::RakPeerInterface* peer, const LevelData& level) {
    m_peer = peer;
    m_maxHealth = kPlayerMaxHealth;
    m_players.clear();
    m_spawns.SetSpawnPoints(level.GetSpawnPoints());
    if (!m_spawns.HasSpawnPoints()) {
        LogInfo("Level has no spawn points: players start at the origin\n");
    }
    ModelLibrary& library = ModelLibrary::GetInstance();
    for (std::size_t i = 0; i < m_bodyBoxes.size(); ++i) {
        m_bodyBoxes[i] = library.Get(kCharacterBodyModels[i]).GetBoxes();
    }
    m_timers.Reset();
    m_visibility.Clear();
    m_lobby.Clear();
    return true;
}

void ServerPlayerManager::Shutdown() {
    m_players.clear();
    m_spawns.Clear();
    m_visibility.Clear();
    m_lobby.Clear();
}

void ServerPlayerManager::SetLobbyEntry(const RakNet::RakNetGUID& guid, LobbyEntry entry) {
    if (IsPlayer(guid)) {
        return;
    }
    entry.name = PlayerName(entry.name);
    m_lobby.Set(guid, std::move(entry));
    m_lobby.Broadcast(m_peer);
}

void ServerPlayerManager::StartLobbyGame() const {
    m_lobby.SendStartGame(m_peer);
}

void ServerPlayerManager::BroadcastLobby() const {
    m_lobby.Broadcast(m_peer);
}

void ServerPlayerManager::AddPlayer(const std::string& name, std::int32_t character, std::int32_t tool,
                                    std::int32_t teamRequest, const RakNet::RakNetGUID& guid) {
    m_lobby.Remove(guid);
    m_lobby.Broadcast(m_peer);

    // Every character has the same maximum health.
    m_maxHealth = kPlayerMaxHealth;
    PlayerRecord player;
    player.name = PlayerName(name);
    player.guid = guid;
    player.playerIndex = LowestFreePlayerIndex(m_players);
    player.team = ChooseTeam(m_players, teamRequest);
    player.position = ChooseSpawnPoint(guid, player.team);
    player.maxHealth = m_maxHealth;
    player.health = m_maxHealth;
    player.character = ValidCharacter(character);
    player.tool = tool;
    m_players.push_back(player);

    BroadcastPlayerList();
    protocol::Broadcast(m_peer, protocol::PlayerJoinedLeftMessage{player.name, player.team});
}

void ServerPlayerManager::RemovePlayer(const RakNet::RakNetGUID& guid) {
    const int index = FindPlayerIndex(guid);
    if (index >= 0) {
        const auto position = m_players.begin() + index;
        protocol::Broadcast(m_peer,
                            protocol::PlayerJoinedLeftMessage{
                                position->name, static_cast<std::int32_t>(protocol::JoinedLeftKind::Left)});
        m_spawns.Release(guid);
        m_players.erase(position);
        BroadcastPlayerList();
    }
    // Any connection may have reported what it sees, joined or not.
    m_visibility.Remove(guid);
    m_lobby.Remove(guid);
    m_lobby.Broadcast(m_peer);
}

Float3 ServerPlayerManager::ChooseSpawnPoint(const RakNet::RakNetGUID& guid, std::int32_t team) {
    return m_spawns.Choose(guid, team).value_or(Float3{});
}

void ServerPlayerManager::SetVisibleList(const RakNet::RakNetGUID& guid,
                                         const std::vector<std::uint8_t>& indices) {
    m_visibility.Set(guid, indices, m_players);
}

int ServerPlayerManager::FindPlayerIndex(const RakNet::RakNetGUID& guid) const {
    for (std::size_t i = 0; i < m_players.size(); ++i) {
        if (m_players[i].guid == guid) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

PlayerRecord* ServerPlayerManager::FindPlayer(const RakNet::RakNetGUID& guid) {
    const int index = FindPlayerIndex(guid);
    return index >= 0 ? &m_players[static_cast<std::size_t>(index)] : nullptr;
}

PlayerRecord ServerPlayerManager::GetPlayer(const RakNet::RakNetGUID& guid) const {
    const int index = FindPlayerIndex(guid);
    return index >= 0 ? m_players[static_cast<std::size_t>(index)] : PlayerRecord{};
}

std::int32_t ServerPlayerManager::GetTeam(const RakNet::RakNetGUID& guid) const {
    const int index = FindPlayerIndex(guid);
    return index >= 0 ? m_players[static_cast<std::size_t>(index)].team : kNoTeam;
}

bool ServerPlayerManager::IsInvisible(const RakNet::RakNetGUID& guid) const {
    const int index = FindPlayerIndex(guid);
    return index >= 0 && m_players[static_cast<std::size_t>(index)].invisible;
}

std::vector<CollisionBox> ServerPlayerManager::GetBodyBoxes(int listPosition) const {
    if (listPosition < 0 || static_cast<std::size_t>(listPosition) >= m_players.size()) {
        return {};
    }
    const PlayerRecord& player = m_players[static_cast<std::size_t>(listPosition)];
    std::vector<CollisionBox> boxes = m_bodyBoxes[static_cast<std::size_t>(ValidCharacter(player.character))];
    for (CollisionBox& box : boxes) {
        box.center.x += player.position.x;
        box.center.y += player.position.y;
        box.center.z += player.position.z;
    }
    return boxes;
}
