// A game client played by a test against the real server program: it connects over UDP, keeps every packet
// it receives and sends what the test tells it to.
#pragma once

#include <functional>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/MessageSend.h"
#include "protocol/SendParameters.h"
#include "protocol/ServerMessages.h"
#include "raknet/BitStream.h"
#include "raknet/RakPeerInterface.h"

inline constexpr int kProcessTimeoutMs = 15000;

class ScriptedClient {
public:
    ScriptedClient();
    ~ScriptedClient();
    ScriptedClient(const ScriptedClient&) = delete;
    ScriptedClient& operator=(const ScriptedClient&) = delete;

    bool Connect(unsigned short port);
    // Takes every waiting packet into the inbox; waits up to waitMs when none is waiting.
    void Pump(unsigned int waitMs = 0);

    template <typename Message>
    void Send(const Message& message,
              const protocol::SendParameters& parameters = protocol::SendParamsFor<Message>()) {
        protocol::SendTo(m_peer, message, m_server, parameters);
    }

    // Every received message of this type, decoded.
    template <typename Message>
    std::vector<Message> Received() const {
        std::vector<Message> messages;
        for (const auto& bytes : m_inbox) {
            Message message;
            if (protocol::Decode(bytes, message)) {
                messages.push_back(message);
            }
        }
        return messages;
    }
    bool ReceivedId(unsigned char id) const;
    // Forgets everything received so far.
    void ClearInbox() { m_inbox.clear(); }

    void Leave();
    RakNet::RakNetGUID Guid() const { return m_peer->GetMyGUID(); }

private:
    RakNet::RakPeerInterface* m_peer = nullptr;
    RakNet::RakNetGUID m_server;
    std::vector<std::vector<unsigned char>> m_inbox;
};

// Pumps every client (running step between pumps) until done holds or timeoutMs passes.
bool PumpUntil(
    const std::vector<ScriptedClient*>& clients, const std::function<bool()>& done,
    const std::function<void()>& step = [] {}, int timeoutMs = kProcessTimeoutMs);
