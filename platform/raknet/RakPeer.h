// The ENet implementation of RakPeerInterface. See docs/protocol.md for the bytes on the wire.
#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "RakPeerInterface.h"

struct _ENetHost;
struct _ENetPeer;
struct _ENetEvent;
struct _ENetPacket;

namespace RakNet {

class NetImpairment;

// Control packets travel on this ENet channel; channels 0 to kGameChannels - 1 carry the application's.
inline constexpr unsigned char kControlChannel = 7;
inline constexpr unsigned char kEnetChannelCount = 8;
// Extra ENet peer slots beyond maxConnections, so a full server can still answer and refuse.
inline constexpr unsigned int kSpareSlots = 4;
// Game packets held per connection while its handshake is still on the way.
inline constexpr std::size_t kMaxEarlyPackets = 256;
// A connection whose handshake has not arrived this long after ENet connected is dropped (incoming) or
// fails (outgoing), so that a silent peer cannot hold a connection slot. A time-out set with SetTimeoutTime
// replaces it.
inline constexpr TimeMS kHandshakeTimeoutMS = 10000;
// A connection is lost when nothing it sent was acknowledged for this long, unless SetTimeoutTime says
// otherwise.
inline constexpr TimeMS kDefaultTimeoutMS = 10000;
// An unacknowledged reliable datagram is resent at least this often (RetransmitCap.h).
inline constexpr TimeMS kMaxRetransmitWaitMS = 1000;

class RakPeer final : public RakPeerInterface {
public:
    RakPeer();
    ~RakPeer() override;

    StartupResult Startup(unsigned int maxConnections, SocketDescriptor* socketDescriptors,
                          unsigned int socketDescriptorCount, int threadPriority) override;
    bool IsActive() const override { return m_host != nullptr; }
    void SetMaximumIncomingConnections(unsigned short numberAllowed) override {
        m_maxIncoming = numberAllowed;
    }
    unsigned short GetMaximumIncomingConnections() const override { return m_maxIncoming; }
    ConnectionAttemptResult Connect(const char* host, unsigned short remotePort, const char* passwordData,
                                    int passwordDataLength, void* publicKey, unsigned connectionSocketIndex,
                                    unsigned sendConnectionAttemptCount,
                                    unsigned timeBetweenSendConnectionAttemptsMS,
                                    TimeMS timeoutTime) override;
    void Shutdown(unsigned int blockDuration, unsigned char orderingChannel,
                  PacketPriority disconnectionNotificationPriority) override;
    void CloseConnection(const AddressOrGUID& target, bool sendDisconnectionNotification,
                         unsigned char orderingChannel,
                         PacketPriority disconnectionNotificationPriority) override;

    Packet* Receive() override;
    void DeallocatePacket(Packet* packet) override;
    bool WaitForIncoming(unsigned int timeoutMS) override;

    std::uint32_t Send(const BitStream* bitStream, PacketPriority priority, PacketReliability reliability,
                       char orderingChannel, const AddressOrGUID& target, bool broadcast) override;
    std::uint32_t Send(const char* data, int length, PacketPriority priority, PacketReliability reliability,
                       char orderingChannel, const AddressOrGUID& target, bool broadcast) override;

    void Ping(const SystemAddress& target) override;
    int GetAveragePing(const AddressOrGUID& target) const override;
    int GetLastPing(const AddressOrGUID& target) const override;

    const RakNetGUID& GetMyGUID() const override { return m_guid; }
    SystemAddress GetSystemAddressFromGuid(const RakNetGUID& guid) const override;
    RakNetGUID GetGuidFromSystemAddress(const SystemAddress& address) const override;
    SystemAddress GetMyBoundAddress() const override;
    unsigned short NumberOfConnections() const override;
    std::vector<RakNetGUID> GetConnectionList() const override;
    void SetTimeoutTime(TimeMS timeMS, const SystemAddress& target) override;

    TransportTotals GetTransportTotals() const override;

    void AttachPlugin(PluginInterface2* plugin) override;
    void DetachPlugin(PluginInterface2* plugin) override;

private:
    struct Connection;

    void Pump();
    // enet_host_service, through the test-only network impairment when one is switched on.
    int Service(_ENetEvent* event, unsigned int timeoutMS);
    // Keeps ENet from waiting ever longer between resends of what the other side has not acknowledged.
    void CapRetransmits();
    void HandleEvent(_ENetEvent& event);
    void HandleConnect(_ENetPeer* peer, std::uint32_t data);
    void HandleReceive(Connection& connection, _ENetPacket* packet, unsigned char channel);
    void HandleControl(Connection& connection, const unsigned char* data, std::size_t length);
    void HandleDisconnect(_ENetPeer* peer, std::uint32_t data);
    void CompleteHandshake(Connection& connection, RakNetGUID remote);
    // Drops the connections whose handshake is overdue.
    void DropSilentConnections();

    void SendControl(Connection& connection, const unsigned char* data, std::size_t length, bool reliable);
    bool SendPacket(Connection& connection, _ENetPacket* packet, unsigned char channel, int reliability);
    void ReportInternal(const unsigned char* data, std::size_t length, const SystemAddress& remote,
                        bool isSend, unsigned char channel, int reliability);
    void Deliver(const Connection& connection, const unsigned char* data, std::size_t length);
    void Report(unsigned char id, const Connection& connection);
    void ApplyTimeout(Connection& connection) const;

    Connection* Find(const AddressOrGUID& target) const;
    Connection* FindByAddress(const SystemAddress& address) const;
    void Forget(Connection& connection);
    std::size_t IncomingCount() const;
    // Moves ENet's 32-bit counters into the 64-bit totals before they can wrap.
    void CollectTotals();

    _ENetHost* m_host = nullptr;
    std::unique_ptr<NetImpairment> m_impairment;  // only with OMBRIN_NET_IMPAIR set (NetImpairment.h)
    RakNetGUID m_guid;
    unsigned int m_maxConnections = 0;
    unsigned short m_maxIncoming = 0;
    TimeMS m_timeoutMS = 0;  // 0: kDefaultTimeoutMS
    std::uint32_t m_sendNumber = 0;
    unsigned int m_frame = 0;
    std::vector<std::unique_ptr<Connection>> m_connections;
    std::deque<Packet*> m_incoming;
    std::vector<PluginInterface2*> m_plugins;
    TransportTotals m_totals;
};

}  // namespace RakNet
