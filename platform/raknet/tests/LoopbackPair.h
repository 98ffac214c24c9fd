// Test helpers: peers on loopback with ephemeral ports, pumped from one thread, and a raw ENet host for
// speaking to a peer the way a foreign or hostile program would.
#pragma once

#include <enet/enet.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "raknet/RakPeerInterface.h"

struct Received {
    unsigned char id = 0;
    RakNet::RakNetGUID guid;
    RakNet::SystemAddress address;
    std::vector<unsigned char> data;
};

class Loopback {
public:
    ~Loopback();

    RakNet::RakPeerInterface* AddServer(unsigned short maxIncoming = 8, unsigned short port = 0);
    RakNet::RakPeerInterface* AddClient();
    // Connects and pumps until both sides reported the connection.
    bool Connect(RakNet::RakPeerInterface* client, RakNet::RakPeerInterface* server);
    static unsigned short PortOf(RakNet::RakPeerInterface* peer) {
        return peer->GetMyBoundAddress().GetPort();
    }

    // Drains every peer's packets into its inbox.
    void Pump();
    // Pumps until done() holds or timeoutMs passes; returns done().
    bool Until(const std::function<bool()>& done, int timeoutMs = 5000);

    std::vector<Received>& Inbox(RakNet::RakPeerInterface* peer) { return m_inboxes[peer]; }
    std::size_t Count(RakNet::RakPeerInterface* peer, unsigned char id);
    const Received* First(RakNet::RakPeerInterface* peer, unsigned char id);
    // Stops pumping a peer and destroys it without any notice.
    void Drop(RakNet::RakPeerInterface* peer);
    // A paused peer is not pumped: like a stalled program it neither reads nor acknowledges anything.
    void Pause(RakNet::RakPeerInterface* peer, bool paused);

private:
    std::vector<RakNet::RakPeerInterface*> m_peers;
    std::vector<RakNet::RakPeerInterface*> m_paused;
    std::map<RakNet::RakPeerInterface*, std::vector<Received>> m_inboxes;
};

// A bare ENet host, as a program that does not use our layer would open one.
class RawEnetHost {
public:
    explicit RawEnetHost(unsigned short port = 0, std::size_t peers = 4);
    ~RawEnetHost();
    ENetPeer* Connect(unsigned short port, std::uint32_t data);
    // Services for up to timeoutMs and returns the first event of the wanted type (type NONE on time-out).
    ENetEvent WaitFor(ENetEventType type, int timeoutMs, const std::function<void()>& alsoPump);
    void Send(ENetPeer* peer, unsigned char channel, const std::vector<unsigned char>& data);
    unsigned short Port() const;
    ENetHost* host = nullptr;
};
