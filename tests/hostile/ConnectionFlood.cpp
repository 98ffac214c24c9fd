#include "ConnectionFlood.h"

#include "raknet/MessageIdentifiers.h"

using namespace RakNet;

ConnectionFlood::ConnectionFlood(unsigned short port, int attempts, int halfOpen) {
    enet_initialize();
    m_raw = enet_host_create(nullptr, static_cast<std::size_t>(halfOpen), 8, 0, 0);
    ENetAddress server{};
    enet_address_set_host_ip(&server, "127.0.0.1");
    server.port = port;
    for (int i = 0; m_raw != nullptr && i < halfOpen; ++i) {
        enet_host_connect(m_raw, &server, 8, kProtocolTag);
    }
    for (int i = 0; i < attempts; ++i) {
        RakPeerInterface* peer = RakPeerInterface::GetInstance();
        SocketDescriptor descriptor(0, nullptr);
        peer->Startup(1, &descriptor, 1);
        peer->Connect("127.0.0.1", port, nullptr, 0);
        m_peers.push_back(peer);
        m_done.push_back(false);
    }
}

ConnectionFlood::~ConnectionFlood() {
    for (RakPeerInterface* peer : m_peers) {
        RakPeerInterface::DestroyInstance(peer);
    }
    if (m_raw != nullptr) {
        enet_host_destroy(m_raw);
    }
}

void ConnectionFlood::Pump() {
    if (m_raw != nullptr) {
        ENetEvent event;
        while (enet_host_service(m_raw, &event, 0) > 0) {
            if (event.type == ENET_EVENT_TYPE_RECEIVE) {
                enet_packet_destroy(event.packet);  // the server's handshake, never answered
            }
        }
    }
    for (std::size_t i = 0; i < m_peers.size(); ++i) {
        while (Packet* packet = m_peers[i]->Receive()) {
            const unsigned char id = packet->length > 0 ? packet->data[0] : 0;
            if (!m_done[i] && id == ID_CONNECTION_REQUEST_ACCEPTED) {
                m_done[i] = true;
                ++m_accepted;
                m_peers[i]->CloseConnection(packet->guid, true);
            } else if (!m_done[i] &&
                       (id == ID_CONNECTION_ATTEMPT_FAILED || id == ID_NO_FREE_INCOMING_CONNECTIONS ||
                        id == ID_INCOMPATIBLE_PROTOCOL_VERSION)) {
                m_done[i] = true;
                ++m_refused;
            }
            m_peers[i]->DeallocatePacket(packet);
        }
    }
}
