// A peer: one UDP socket, its connections and their reliable, ordered channels.
//
// Single-threaded: the owner calls Receive every frame; Receive services the network without blocking and
// hands out one packet at a time. Sends are queued and go out on the next Receive, WaitForIncoming or
// Shutdown.
#pragma once

#include <cstdint>
#include <vector>

#include "BitStream.h"
#include "PacketPriority.h"
#include "RakNetTime.h"
#include "RakNetTypes.h"

namespace RakNet {

class PluginInterface2;

// What the peer's socket carried since Startup: every datagram with the transport's own headers,
// acknowledgements, handshakes and pings included (IP and UDP headers excluded).
struct TransportTotals {
    std::uint64_t bytesSent = 0;
    std::uint64_t bytesReceived = 0;
    std::uint64_t datagramsSent = 0;
    std::uint64_t datagramsReceived = 0;
};

enum StartupResult {
    RAKNET_STARTED,
    RAKNET_ALREADY_STARTED,
    INVALID_SOCKET_DESCRIPTORS,
    INVALID_MAX_CONNECTIONS,
    SOCKET_FAMILY_NOT_SUPPORTED,
    SOCKET_PORT_ALREADY_IN_USE,
    SOCKET_FAILED_TO_BIND,
    SOCKET_FAILED_TEST_SEND,
    PORT_CANNOT_BE_ZERO,
    FAILED_TO_CREATE_NETWORK_THREAD,
    COULD_NOT_GENERATE_GUID,
    STARTUP_OTHER_FAILURE,
};

enum ConnectionAttemptResult {
    CONNECTION_ATTEMPT_STARTED,
    INVALID_PARAMETER,
    CANNOT_RESOLVE_DOMAIN_NAME,
    ALREADY_CONNECTED_TO_ENDPOINT,
    CONNECTION_ATTEMPT_ALREADY_IN_PROGRESS,
    SECURITY_INITIALIZATION_FAILED,
};

// The connect data every client sends: protocol tag "OMB" and version 1.
inline constexpr std::uint32_t kProtocolTag = 0x4F4D4201u;
// Ordering channels available to the application; the layer keeps one more for its own packets.
inline constexpr unsigned char kGameChannels = 6;

class RakPeerInterface {
public:
    static RakPeerInterface* GetInstance();
    static void DestroyInstance(RakPeerInterface* peer);

    virtual ~RakPeerInterface() = default;

    virtual StartupResult Startup(unsigned int maxConnections, SocketDescriptor* socketDescriptors,
                                  unsigned int socketDescriptorCount, int threadPriority = -99999) = 0;
    virtual bool IsActive() const = 0;
    virtual void SetMaximumIncomingConnections(unsigned short numberAllowed) = 0;
    virtual unsigned short GetMaximumIncomingConnections() const = 0;
    // sendConnectionAttemptCount × timeBetweenSendConnectionAttemptsMS bounds how long the attempt may take.
    virtual ConnectionAttemptResult Connect(const char* host, unsigned short remotePort,
                                            const char* passwordData, int passwordDataLength,
                                            void* publicKey = nullptr, unsigned connectionSocketIndex = 0,
                                            unsigned sendConnectionAttemptCount = 6,
                                            unsigned timeBetweenSendConnectionAttemptsMS = 1000,
                                            TimeMS timeoutTime = 0) = 0;
    // Disconnects everybody (with a notice while blockDuration > 0, waiting up to blockDuration ms for the
    // notices to be delivered) and closes the socket.
    virtual void Shutdown(unsigned int blockDuration, unsigned char orderingChannel = 0,
                          PacketPriority disconnectionNotificationPriority = LOW_PRIORITY) = 0;
    virtual void CloseConnection(const AddressOrGUID& target, bool sendDisconnectionNotification,
                                 unsigned char orderingChannel = 0,
                                 PacketPriority disconnectionNotificationPriority = LOW_PRIORITY) = 0;

    // The next packet, or nullptr. Each packet must go back through DeallocatePacket.
    virtual Packet* Receive() = 0;
    virtual void DeallocatePacket(Packet* packet) = 0;
    // Flushes queued sends and, when no packet is waiting, sleeps until network input arrives or timeoutMS
    // passes. Returns true when a packet is waiting.
    virtual bool WaitForIncoming(unsigned int timeoutMS) = 0;

    // Returns 0 when nothing was sent (unknown or not yet connected target, bad channel), else a send number.
    // With broadcast true the packet goes to every connection except target (UNASSIGNED_SYSTEM_ADDRESS:
    // none).
    virtual std::uint32_t Send(const BitStream* bitStream, PacketPriority priority,
                               PacketReliability reliability, char orderingChannel,
                               const AddressOrGUID& target, bool broadcast) = 0;
    virtual std::uint32_t Send(const char* data, int length, PacketPriority priority,
                               PacketReliability reliability, char orderingChannel,
                               const AddressOrGUID& target, bool broadcast) = 0;

    virtual void Ping(const SystemAddress& target) = 0;
    virtual int GetAveragePing(const AddressOrGUID& target) const = 0;
    virtual int GetLastPing(const AddressOrGUID& target) const = 0;

    virtual const RakNetGUID& GetMyGUID() const = 0;
    // For this peer's own GUID: the machine's IPv4 address with the bound port.
    virtual SystemAddress GetSystemAddressFromGuid(const RakNetGUID& guid) const = 0;
    virtual RakNetGUID GetGuidFromSystemAddress(const SystemAddress& address) const = 0;
    virtual SystemAddress GetMyBoundAddress() const = 0;
    virtual unsigned short NumberOfConnections() const = 0;
    virtual std::vector<RakNetGUID> GetConnectionList() const = 0;

    // Time without an acknowledgement after which a connection counts as lost (ENet's default until set).
    // UNASSIGNED_SYSTEM_ADDRESS applies it to every connection, present and future.
    virtual void SetTimeoutTime(TimeMS timeMS, const SystemAddress& target) = 0;

    // Totals of the current or, after Shutdown, the last run; zeros before the first Startup.
    virtual TransportTotals GetTransportTotals() const = 0;

    virtual void AttachPlugin(PluginInterface2* plugin) = 0;
    virtual void DetachPlugin(PluginInterface2* plugin) = 0;
};

}  // namespace RakNet
