#include "server/Lobby.h"

#include "protocol/MessageSend.h"

protocol::LobbyStateMessage Lobby::ToMessage() const {
    protocol::LobbyStateMessage message;
    for (const auto& [guid, entry] : m_entries) {
        message.members.push_back(protocol::LobbyEntry{guid, entry.character, entry.tool, entry.teamChoice,
                                                       entry.name, entry.ready});
    }
    return message;
}

void Lobby::Broadcast(RakNet::RakPeerInterface* peer) const {
    protocol::Broadcast(peer, ToMessage());
}

void Lobby::SendStartGame(RakNet::RakPeerInterface* peer) const {
    for (const auto& [guid, entry] : m_entries) {
        protocol::SendTo(peer, protocol::StartGameMessage{}, guid);
    }
}
