// The connections choosing their character and team before they join the match, mirrored to every client.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "protocol/ServerLobbyMessages.h"
#include "raknet/RakNetTypes.h"

namespace RakNet {
class RakPeerInterface;
}

// One connection's lobby choice, in the order the client sends it.
struct LobbyEntry {
    std::int32_t character = 0;
    std::int32_t tool = 0;
    std::int32_t teamChoice = 0;
    std::string name;
    bool ready = false;
};

class Lobby {
public:
    void Clear() { m_entries.clear(); }
    // Replaces an older entry of the same connection.
    void Set(const RakNet::RakNetGUID& guid, LobbyEntry entry) { m_entries[guid] = std::move(entry); }
    void Remove(const RakNet::RakNetGUID& guid) { m_entries.erase(guid); }
    std::size_t Size() const { return m_entries.size(); }

    // ID_LOBBY_STATE to every connection: all entries in GUID order (none for an empty lobby).
    void Broadcast(RakNet::RakPeerInterface* peer) const;
    // ID_START_GAME to each member, in GUID order.
    void SendStartGame(RakNet::RakPeerInterface* peer) const;

    protocol::LobbyStateMessage ToMessage() const;

private:
    std::map<RakNet::RakNetGUID, LobbyEntry> m_entries;
};
