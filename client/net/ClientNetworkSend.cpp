// The messages the client sends to the server.
#include "client/net/ClientNetwork.h"

#include "protocol/MessageSend.h"

using namespace RakNet;

template <typename Message>
void ClientNetwork::SendToServer(const Message& message, const protocol::SendParameters& parameters) {
    if (m_peer == nullptr) {
        return;
    }
    protocol::SendTo(m_peer, message, m_server, parameters);
}

void ClientNetwork::SendPlayerListRequest(bool afterNewLevel) {
    SendToServer(protocol::PlayerListRequest{}, protocol::PlayerListRequestSendParameters(afterNewLevel));
}

void ClientNetwork::SendPosition(const protocol::Vec3& position) {
    SendToServer(protocol::PlayerPositionReport{position});
    m_lastSentPosition = position;
}

void ClientNetwork::SendDirection(const protocol::Vec3& direction) {
    SendToServer(protocol::PlayerDirectionReport{direction});
    m_lastSentDirection = direction;
}

void ClientNetwork::SendVisiblePlayers() {
    SendToServer(protocol::VisiblePlayersReport{seenPlayers});
}

void ClientNetwork::SendAbility(std::int32_t ability, float distance) {
    SendToServer(protocol::UseAbilityRequest{ability, distance});
}

void ClientNetwork::SendAnimation(std::int32_t animation) {
    SendToServer(protocol::AnimationReport{animation});
}

void ClientNetwork::SendLobbyChoice(std::int32_t character, std::int32_t tool, std::int32_t team,
                                    bool ready) {
    SendToServer(protocol::LobbyChoiceReport{character, tool, team, playerName, ready});
}

void ClientNetwork::SendStartRequest() {
    SendToServer(protocol::StartGameRequest{});
}

void ClientNetwork::SendFinalChoice(std::int32_t character, std::int32_t tool, std::int32_t team) {
    SendToServer(protocol::JoinGameRequest{playerName, character, tool, team});
}

void ClientNetwork::SendRoundTimeRequest() {
    SendToServer(protocol::RoundTimeRequest{});
}

void ClientNetwork::SendScoresRequest() {
    SendToServer(protocol::ScoresRequest{});
}

void ClientNetwork::SendRuneStateRequest() {
    SendToServer(protocol::RuneStateRequest{});
}
