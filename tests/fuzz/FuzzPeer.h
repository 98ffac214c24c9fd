// A peer without a network for the server fuzz target. It hands out the packets the target queues, as the
// transport would (connection events made locally, game packets from open connections only), and passes
// every send the server makes to a checker before forgetting it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "raknet/RakPeerInterface.h"

struct FuzzSend {
    const unsigned char* data = nullptr;
    int length = 0;
    RakNet::PacketReliability reliability = RakNet::RELIABLE;
    char orderingChannel = 0;
    RakNet::AddressOrGUID target;
    bool broadcast = false;
};

class FuzzPeer final : public RakNet::RakPeerInterface {
public:
    FuzzPeer() = default;
    ~FuzzPeer() override;
    FuzzPeer(const FuzzPeer&) = delete;
    FuzzPeer& operator=(const FuzzPeer&) = delete;

    // Queues a packet as if it had arrived from guid at address.
    void Deliver(const std::vector<std::uint8_t>& bytes, const RakNet::RakNetGUID& guid,
                 const RakNet::SystemAddress& address, bool generatedLocally);
    std::function<void(const FuzzSend&)> onSend;

    // RakPeerInterface.
    RakNet::StartupResult Startup(unsigned int, RakNet::SocketDescriptor*, unsigned int, int) override {
        return RakNet::RAKNET_STARTED;
    }
    bool IsActive() const override { return true; }
    void SetMaximumIncomingConnections(unsigned short) override {}
    unsigned short GetMaximumIncomingConnections() const override { return 8; }
    RakNet::ConnectionAttemptResult Connect(const char*, unsigned short, const char*, int, void*, unsigned,
                                            unsigned, unsigned, RakNet::TimeMS) override {
        return RakNet::INVALID_PARAMETER;
    }
    void Shutdown(unsigned int, unsigned char, RakNet::PacketPriority) override {}
    void CloseConnection(const RakNet::AddressOrGUID&, bool, unsigned char, RakNet::PacketPriority) override {
    }
    RakNet::Packet* Receive() override;
    void DeallocatePacket(RakNet::Packet* packet) override;
    bool WaitForIncoming(unsigned int) override { return !m_incoming.empty(); }
    std::uint32_t Send(const RakNet::BitStream* bitStream, RakNet::PacketPriority priority,
                       RakNet::PacketReliability reliability, char orderingChannel,
                       const RakNet::AddressOrGUID& target, bool broadcast) override;
    std::uint32_t Send(const char* data, int length, RakNet::PacketPriority priority,
                       RakNet::PacketReliability reliability, char orderingChannel,
                       const RakNet::AddressOrGUID& target, bool broadcast) override;
    void Ping(const RakNet::SystemAddress&) override {}
    int GetAveragePing(const RakNet::AddressOrGUID&) const override { return -1; }
    int GetLastPing(const RakNet::AddressOrGUID&) const override { return -1; }
    const RakNet::RakNetGUID& GetMyGUID() const override { return m_guid; }
    RakNet::SystemAddress GetSystemAddressFromGuid(const RakNet::RakNetGUID&) const override {
        return RakNet::SystemAddress(0x7F000001u, 60000);
    }
    RakNet::RakNetGUID GetGuidFromSystemAddress(const RakNet::SystemAddress&) const override {
        return RakNet::UNASSIGNED_RAKNET_GUID;
    }
    RakNet::SystemAddress GetMyBoundAddress() const override { return RakNet::SystemAddress(0, 60000); }
    unsigned short NumberOfConnections() const override { return 0; }
    std::vector<RakNet::RakNetGUID> GetConnectionList() const override { return {}; }
    void SetTimeoutTime(RakNet::TimeMS, const RakNet::SystemAddress&) override {}
    RakNet::TransportTotals GetTransportTotals() const override { return {}; }
    void AttachPlugin(RakNet::PluginInterface2*) override {}
    void DetachPlugin(RakNet::PluginInterface2*) override {}

private:
    std::deque<RakNet::Packet*> m_incoming;
    RakNet::RakNetGUID m_guid{0x5E5E5E5E5E5E5E5Eull};
    std::uint32_t m_sendNumber = 0;
};
