#include "ScriptedClient.h"

#include <chrono>

#include "raknet/MessageIdentifiers.h"

using namespace RakNet;

ScriptedClient::ScriptedClient() {
    m_peer = RakPeerInterface::GetInstance();
    SocketDescriptor descriptor(0, nullptr);
    m_peer->Startup(1, &descriptor, 1);
}

ScriptedClient::~ScriptedClient() {
    RakPeerInterface::DestroyInstance(m_peer);
}

bool ScriptedClient::Connect(unsigned short port) {
    return m_peer->Connect("127.0.0.1", port, nullptr, 0) == CONNECTION_ATTEMPT_STARTED;
}

void ScriptedClient::Pump(unsigned int waitMs) {
    if (waitMs > 0) {
        m_peer->WaitForIncoming(waitMs);
    }
    while (Packet* packet = m_peer->Receive()) {
        if (packet->length > 0) {
            if (packet->data[0] == ID_CONNECTION_REQUEST_ACCEPTED) {
                m_server = packet->guid;
            }
            m_inbox.emplace_back(packet->data, packet->data + packet->length);
        }
        m_peer->DeallocatePacket(packet);
    }
}

bool ScriptedClient::ReceivedId(unsigned char id) const {
    for (const auto& bytes : m_inbox) {
        if (bytes[0] == id) {
            return true;
        }
    }
    return false;
}

void ScriptedClient::Leave() {
    m_peer->CloseConnection(m_server, true);
    m_peer->WaitForIncoming(50);
}

bool PumpUntil(const std::vector<ScriptedClient*>& clients, const std::function<bool()>& done,
               const std::function<void()>& step, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        step();
        for (ScriptedClient* client : clients) {
            client->Pump(5);
        }
        if (done()) {
            return true;
        }
    }
    return false;
}
