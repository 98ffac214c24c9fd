// Fifty connection attempts at once, as a flood would make them: each from its own socket, with the
// transport's handshake; an attempt that gets in leaves again at once. Besides them, a few bare ENet hosts
// open a connection with the right protocol tag and then never say who they are, holding on to it.
#pragma once

#include <enet/enet.h>

#include <vector>

#include "raknet/RakPeerInterface.h"

class ConnectionFlood {
public:
    ConnectionFlood(unsigned short port, int attempts, int halfOpen);
    ~ConnectionFlood();
    ConnectionFlood(const ConnectionFlood&) = delete;
    ConnectionFlood& operator=(const ConnectionFlood&) = delete;

    // Services every attempt once.
    void Pump();
    // True once every attempt has been accepted (and has left) or refused.
    bool Settled() const { return Accepted() + Refused() == static_cast<int>(m_peers.size()); }
    int Accepted() const { return m_accepted; }
    int Refused() const { return m_refused; }

private:
    std::vector<RakNet::RakPeerInterface*> m_peers;
    std::vector<bool> m_done;
    ENetHost* m_raw = nullptr;
    int m_accepted = 0;
    int m_refused = 0;
};
