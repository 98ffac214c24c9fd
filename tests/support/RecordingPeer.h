// A peer that sends nothing: it records every send (identifier, bytes, addressee, reliability, channel) for
// the test to decode with the protocol's readers, and hands out packets the test queues as if they had
// arrived. The game code drives it exactly as it drives a real peer.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/MessageSend.h"
#include "protocol/SendParameters.h"
#include "protocol/ServerMessages.h"
#include "raknet/BitStream.h"
#include "raknet/RakPeerInterface.h"

struct SentMessage {
    RakNet::MessageID id = 0;
    std::vector<unsigned char> bytes;
    RakNet::AddressOrGUID target;
    bool broadcast = false;
    protocol::SendParameters parameters;

    // A send to that connection alone.
    bool IsTo(const RakNet::RakNetGUID& guid) const { return !broadcast && target.rakNetGuid == guid; }
    // A broadcast to every connection.
    bool IsToAll() const { return broadcast && target.IsUndefined(); }
    // A broadcast to every connection but that one.
    bool IsToAllBut(const RakNet::RakNetGUID& guid) const { return broadcast && target.rakNetGuid == guid; }

    // The message read back with the protocol's reader; nothing when the bytes are another message or do
    // not read as one.
    template <typename Message>
    std::optional<Message> Decode() const {
        RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(bytes.size()), false);
        Message message;
        if (!protocol::Read(stream, message)) {
            return std::nullopt;
        }
        return message;
    }
};

class RecordingPeer : public RakNet::RakPeerInterface {
public:
    RecordingPeer();
    ~RecordingPeer() override;

    const std::vector<SentMessage>& Sent() const { return m_sent; }
    void ClearSent() { m_sent.clear(); }
    // The identifiers of every send, in order.
    std::vector<int> SentIds() const;
    std::vector<SentMessage> SentWithId(RakNet::MessageID id) const;
    // Every send of this message type, decoded; a send that does not decode fails the test.
    template <typename Message>
    std::vector<Message> Decoded() const {
        std::vector<Message> messages;
        for (const SentMessage& sent : SentWithId(static_cast<RakNet::MessageID>(Message::kId))) {
            const std::optional<Message> message = sent.template Decode<Message>();
            EXPECT_TRUE(message.has_value()) << "send " << int(sent.id) << " does not decode";
            if (message) {
                messages.push_back(*message);
            }
        }
        return messages;
    }

    // Queues a packet for Receive as if it had come from guid at address.
    void Deliver(std::vector<unsigned char> bytes, const RakNet::RakNetGUID& guid,
                 const RakNet::SystemAddress& address = RakNet::SystemAddress(0x0A000007u, 4321));
    template <typename Message>
    void Deliver(const Message& message, const RakNet::RakNetGUID& guid,
                 const RakNet::SystemAddress& address = RakNet::SystemAddress(0x0A000007u, 4321)) {
        Deliver(protocol::Encode(message), guid, address);
    }
    bool WasShutDown() const { return m_shutDown; }

    // RakPeerInterface.
    RakNet::StartupResult Startup(unsigned int maxConnections, RakNet::SocketDescriptor* socketDescriptors,
                                  unsigned int socketDescriptorCount, int threadPriority) override;
    bool IsActive() const override { return true; }
    void SetMaximumIncomingConnections(unsigned short numberAllowed) override {
        m_maxIncoming = numberAllowed;
    }
    unsigned short GetMaximumIncomingConnections() const override { return m_maxIncoming; }
    RakNet::ConnectionAttemptResult Connect(const char* host, unsigned short remotePort,
                                            const char* passwordData, int passwordDataLength, void* publicKey,
                                            unsigned connectionSocketIndex,
                                            unsigned sendConnectionAttemptCount,
                                            unsigned timeBetweenSendConnectionAttemptsMS,
                                            RakNet::TimeMS timeoutTime) override;
    void Shutdown(unsigned int blockDuration, unsigned char orderingChannel,
                  RakNet::PacketPriority disconnectionNotificationPriority) override;
    void CloseConnection(const RakNet::AddressOrGUID& target, bool sendDisconnectionNotification,
                         unsigned char orderingChannel,
                         RakNet::PacketPriority disconnectionNotificationPriority) override;
    RakNet::Packet* Receive() override;
    void DeallocatePacket(RakNet::Packet* packet) override;
    bool WaitForIncoming(unsigned int timeoutMS) override;
    std::uint32_t Send(const RakNet::BitStream* bitStream, RakNet::PacketPriority priority,
                       RakNet::PacketReliability reliability, char orderingChannel,
                       const RakNet::AddressOrGUID& target, bool broadcast) override;
    std::uint32_t Send(const char* data, int length, RakNet::PacketPriority priority,
                       RakNet::PacketReliability reliability, char orderingChannel,
                       const RakNet::AddressOrGUID& target, bool broadcast) override;
    void Ping(const RakNet::SystemAddress& target) override;
    int GetAveragePing(const RakNet::AddressOrGUID& target) const override;
    int GetLastPing(const RakNet::AddressOrGUID& target) const override;
    const RakNet::RakNetGUID& GetMyGUID() const override { return m_guid; }
    RakNet::SystemAddress GetSystemAddressFromGuid(const RakNet::RakNetGUID& guid) const override;
    RakNet::RakNetGUID GetGuidFromSystemAddress(const RakNet::SystemAddress& address) const override;
    RakNet::SystemAddress GetMyBoundAddress() const override;
    unsigned short NumberOfConnections() const override { return 0; }
    std::vector<RakNet::RakNetGUID> GetConnectionList() const override { return {}; }
    void SetTimeoutTime(RakNet::TimeMS timeMS, const RakNet::SystemAddress& target) override;
    RakNet::TransportTotals GetTransportTotals() const override { return {}; }
    void AttachPlugin(RakNet::PluginInterface2* plugin) override;
    void DetachPlugin(RakNet::PluginInterface2* plugin) override;

private:
    std::vector<SentMessage> m_sent;
    std::deque<RakNet::Packet*> m_incoming;
    RakNet::RakNetGUID m_guid{0x5E5E5E5E5E5E5E5Eull};
    unsigned short m_maxIncoming = 0;
    std::uint32_t m_sendNumber = 0;
    bool m_shutDown = false;
};
