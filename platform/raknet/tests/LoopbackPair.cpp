#include "LoopbackPair.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "raknet/MessageIdentifiers.h"

using namespace RakNet;

Loopback::~Loopback() {
    for (RakPeerInterface* peer : m_peers) {
        RakPeerInterface::DestroyInstance(peer);
    }
}

RakPeerInterface* Loopback::AddServer(unsigned short maxIncoming, unsigned short port) {
    RakPeerInterface* peer = RakPeerInterface::GetInstance();
    SocketDescriptor descriptor(port, "127.0.0.1");
    peer->Startup(maxIncoming, &descriptor, 1);
    peer->SetMaximumIncomingConnections(maxIncoming);
    m_peers.push_back(peer);
    return peer;
}

RakPeerInterface* Loopback::AddClient() {
    RakPeerInterface* peer = RakPeerInterface::GetInstance();
    SocketDescriptor descriptor(0, "127.0.0.1");
    peer->Startup(1, &descriptor, 1);
    m_peers.push_back(peer);
    return peer;
}

bool Loopback::Connect(RakPeerInterface* client, RakPeerInterface* server) {
    if (client->Connect("127.0.0.1", PortOf(server), nullptr, 0) != CONNECTION_ATTEMPT_STARTED) {
        return false;
    }
    const RakNetGUID clientGuid = client->GetMyGUID();
    return Until([&] {
        const Received* accepted = First(client, ID_CONNECTION_REQUEST_ACCEPTED);
        const auto& inbox = Inbox(server);
        return accepted != nullptr && std::any_of(inbox.begin(), inbox.end(), [&](const Received& r) {
                   return r.id == ID_NEW_INCOMING_CONNECTION && r.guid == clientGuid;
               });
    });
}

void Loopback::Pump() {
    for (RakPeerInterface* peer : m_peers) {
        if (std::find(m_paused.begin(), m_paused.end(), peer) != m_paused.end()) {
            continue;
        }
        while (Packet* packet = peer->Receive()) {
            Received received;
            received.id = packet->length > 0 ? packet->data[0] : 0;
            received.guid = packet->guid;
            received.address = packet->systemAddress;
            received.data.assign(packet->data, packet->data + packet->length);
            m_inboxes[peer].push_back(std::move(received));
            peer->DeallocatePacket(packet);
        }
    }
}

bool Loopback::Until(const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        Pump();
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::size_t Loopback::Count(RakPeerInterface* peer, unsigned char id) {
    const auto& inbox = Inbox(peer);
    return static_cast<std::size_t>(
        std::count_if(inbox.begin(), inbox.end(), [id](const Received& r) { return r.id == id; }));
}

const Received* Loopback::First(RakPeerInterface* peer, unsigned char id) {
    for (const Received& r : Inbox(peer)) {
        if (r.id == id) {
            return &r;
        }
    }
    return nullptr;
}

void Loopback::Drop(RakPeerInterface* peer) {
    m_peers.erase(std::remove(m_peers.begin(), m_peers.end(), peer), m_peers.end());
    peer->Shutdown(0);
    RakPeerInterface::DestroyInstance(peer);
}

RawEnetHost::RawEnetHost(unsigned short port, std::size_t peers) {
    enet_initialize();
    ENetAddress address{};
    enet_address_set_host_ip(&address, "127.0.0.1");
    address.port = port;
    host = enet_host_create(&address, peers, 8, 0, 0);
}

RawEnetHost::~RawEnetHost() {
    if (host != nullptr) {
        enet_host_destroy(host);
    }
}

ENetPeer* RawEnetHost::Connect(unsigned short port, std::uint32_t data) {
    ENetAddress address{};
    enet_address_set_host_ip(&address, "127.0.0.1");
    address.port = port;
    return enet_host_connect(host, &address, 8, data);
}

ENetEvent RawEnetHost::WaitFor(ENetEventType type, int timeoutMs, const std::function<void()>& alsoPump) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        ENetEvent event;
        while (enet_host_service(host, &event, 0) > 0) {
            if (event.type == ENET_EVENT_TYPE_RECEIVE) {
                enet_packet_destroy(event.packet);
                event.packet = nullptr;
            }
            if (event.type == type) {
                return event;
            }
        }
        if (alsoPump) {
            alsoPump();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ENetEvent none{};
    none.type = ENET_EVENT_TYPE_NONE;
    return none;
}

void RawEnetHost::Send(ENetPeer* peer, unsigned char channel, const std::vector<unsigned char>& data) {
    enet_peer_send(peer, channel, enet_packet_create(data.data(), data.size(), ENET_PACKET_FLAG_RELIABLE));
    enet_host_flush(host);
}

unsigned short RawEnetHost::Port() const {
    ENetAddress address{};
    enet_socket_get_address(host->socket, &address);
    return address.port;
}

void Loopback::Pause(RakPeerInterface* peer, bool paused) {
    m_paused.erase(std::remove(m_paused.begin(), m_paused.end(), peer), m_paused.end());
    if (paused) {
        m_paused.push_back(peer);
    }
}
