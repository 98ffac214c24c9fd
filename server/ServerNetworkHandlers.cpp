// ServerNetwork: the handlers of the clients' game messages. Each reads its payload with the protocol's
// reader (a message shorter than its layout is dropped) and hands it to the game state of the level.
#include <cstdio>

#include "protocol/ClientMessages.h"
#include "server/ServerNetwork.h"
#include "shared/ConsoleLog.h"

namespace {

template <typename Message>
bool Decode(const RakNet::Packet& packet, Message& message) {
    RakNet::BitStream stream(packet.data, packet.length, false);
    return protocol::Read(stream, message);
}

}  // namespace

ServerPlayerManager* ServerNetwork::PlayerManager() const {
    return m_gameState ? m_gameState->GetPlayerManager() : nullptr;
}

void ServerNetwork::OnPlayerListRequest(RakNet::Packet& /*packet*/) {
    if (ServerPlayerManager* players = PlayerManager()) {
        players->BroadcastPlayerList();
    }
}

void ServerNetwork::OnPlayerPosition(RakNet::Packet& packet) {
    protocol::PlayerPositionReport report;
    ServerPlayerManager* players = PlayerManager();
    if (players != nullptr && Decode(packet, report)) {
        players->SetPosition(packet.guid, report.position.x, report.position.y, report.position.z);
    }
}

void ServerNetwork::OnPlayerDirection(RakNet::Packet& packet) {
    protocol::PlayerDirectionReport report;
    ServerPlayerManager* players = PlayerManager();
    if (players != nullptr && Decode(packet, report)) {
        players->SetDirection(packet.guid, report.direction.x, report.direction.y, report.direction.z);
    }
}

void ServerNetwork::OnStartGame(RakNet::Packet& /*packet*/) {
    if (ServerPlayerManager* players = PlayerManager()) {
        players->StartLobbyGame();
    }
}

void ServerNetwork::OnAnimation(RakNet::Packet& packet) {
    protocol::AnimationReport report;
    ServerPlayerManager* players = PlayerManager();
    if (players != nullptr && Decode(packet, report)) {
        players->RelayAnimation(packet.guid, report.animation);
    }
}

void ServerNetwork::OnJoinGame(RakNet::Packet& packet) {
    protocol::JoinGameRequest request;
    if (!m_gameState || !Decode(packet, request)) {
        return;
    }
    LogInfo("Connection %s have choosen a character\n", packet.systemAddress.ToString(true).c_str());
    m_gameState->AddPlayer(request.name, request.character, request.tool, request.teamRequest, packet.guid);
}

void ServerNetwork::OnRoundTimeRequest(RakNet::Packet& packet) {
    if (m_gameState) {
        m_gameState->SendRoundTime(packet.guid);
    }
}

void ServerNetwork::OnScoresRequest(RakNet::Packet& packet) {
    if (m_gameState) {
        m_gameState->SendScores(packet.guid);
    }
}

void ServerNetwork::OnVisiblePlayers(RakNet::Packet& packet) {
    protocol::VisiblePlayersReport report;
    if (m_gameState && Decode(packet, report)) {
        m_gameState->SetVisibleList(packet.guid, report.playerIndices);
    }
}

void ServerNetwork::OnLobbyState(RakNet::Packet& packet) {
    protocol::LobbyChoiceReport report;
    if (m_gameState && Decode(packet, report)) {
        m_gameState->SetLobbyEntry(packet.guid, LobbyEntry{report.character, report.tool, report.teamChoice,
                                                           report.name, report.ready});
    }
}

void ServerNetwork::OnUseAbility(RakNet::Packet& packet) {
    protocol::UseAbilityRequest request;
    ServerPlayerManager* players = PlayerManager();
    if (players == nullptr || !Decode(packet, request)) {
        return;
    }
    const PlayerRecord* player = players->FindPlayer(packet.guid);
    if (player != nullptr && player->alive) {
        m_gameState->UseAbility(request.ability, request.distance, packet.guid);
    }
}

void ServerNetwork::OnRuneStateRequest(RakNet::Packet& packet) {
    if (m_gameState) {
        m_gameState->SendRuneState(packet.guid);
    }
}
