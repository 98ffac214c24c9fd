#include "RakPeer.h"

#include <enet/enet.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <random>

#include "LocalAddress.h"
#include "MessageIdentifiers.h"
#include "NetImpairment.h"
#include "PluginInterface2.h"
#include "RetransmitCap.h"

namespace RakNet {

namespace {

// Control packets (channel kControlChannel).
constexpr unsigned char kHandshakeLength = 9;  // ID_CONNECTION_REQUEST, 64-bit GUID
constexpr unsigned char kPingLength = 9;       // ID_CONNECTED_PING, 64-bit time
constexpr unsigned char kPongLength = 17;      // ID_CONNECTED_PONG, echoed time, answerer's time
constexpr std::size_t kPingSamples = 8;

void InitializeEnetOnce() {
    static std::once_flag once;
    std::call_once(once, [] { enet_initialize(); });
}

void PutBigEndian64(unsigned char* out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
        out[i] = static_cast<unsigned char>(value >> (56 - 8 * i));
    }
}

std::uint64_t GetBigEndian64(const unsigned char* in) {
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i) {
        value = (value << 8) | in[i];
    }
    return value;
}

SystemAddress ToSystemAddress(const ENetAddress& address) {
    // ENet keeps the IPv4 address in network byte order.
    const auto* bytes = reinterpret_cast<const unsigned char*>(&address.host);
    const std::uint32_t hostOrder = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
                                    (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
    return SystemAddress(hostOrder, address.port);
}

enet_uint32 EnetFlags(int reliability) {
    switch (reliability) {
        case RELIABLE:
        case RELIABLE_ORDERED:
        case RELIABLE_SEQUENCED:
            return ENET_PACKET_FLAG_RELIABLE;
        case UNRELIABLE_SEQUENCED:
            return 0;  // ENet drops a late unreliable packet of a channel
        default:
            return ENET_PACKET_FLAG_UNSEQUENCED;
    }
}

RakNetGUID RandomGuid() {
    std::random_device device;
    std::uint64_t value = 0;
    do {
        value = (std::uint64_t{device()} << 32) ^ device();
    } while (value == UNASSIGNED_RAKNET_GUID.g || value == 0);
    return RakNetGUID(value);
}

struct OwnedPacket : Packet {
    std::vector<unsigned char> storage;
};

}  // namespace

struct RakPeer::Connection {
    ENetPeer* peer = nullptr;
    SystemAddress address;
    RakNetGUID remoteGuid;  // known once the other side's handshake arrived
    bool outgoing = false;  // we called Connect
    bool ready = false;     // handshake complete: reported to the application
    bool closing = false;   // we asked ENet to disconnect: no further reports
    bool opened = false;    // ENet connected; the handshake is due
    Time openedAt = 0;
    TimeMS attemptTimeout = 0;                      // connection-phase time-out of an outgoing attempt
    TimeMS attemptInterval = 0;                     // an outgoing attempt is resent at least this often
    std::vector<std::vector<unsigned char>> early;  // game packets that overtook the handshake
    std::array<int, kPingSamples> pings{};
    std::size_t pingCount = 0;
    int lastPing = -1;
};

RakPeerInterface* RakPeerInterface::GetInstance() {
    return new RakPeer();
}
void RakPeerInterface::DestroyInstance(RakPeerInterface* peer) {
    delete peer;
}

RakPeer::RakPeer() : m_guid(RandomGuid()) {
    InitializeEnetOnce();
}

RakPeer::~RakPeer() {
    Shutdown(0, 0, LOW_PRIORITY);
}

StartupResult RakPeer::Startup(unsigned int maxConnections, SocketDescriptor* socketDescriptors,
                               unsigned int socketDescriptorCount, int /*threadPriority*/) {
    if (m_host != nullptr) {
        return RAKNET_ALREADY_STARTED;
    }
    if (socketDescriptors == nullptr || socketDescriptorCount == 0) {
        return INVALID_SOCKET_DESCRIPTORS;
    }
    if (maxConnections == 0 || maxConnections > 4000) {
        return INVALID_MAX_CONNECTIONS;
    }
    const SocketDescriptor& descriptor = socketDescriptors[0];
    if (descriptor.socketFamily != 2) {
        return SOCKET_FAMILY_NOT_SUPPORTED;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = descriptor.port;
    if (descriptor.hostAddress[0] != '\0' &&
        enet_address_set_host_ip(&address, descriptor.hostAddress) != 0) {
        return SOCKET_FAILED_TO_BIND;
    }
    m_host = enet_host_create(&address, maxConnections + kSpareSlots, kEnetChannelCount, 0, 0);
    if (m_host == nullptr) {
        return descriptor.port != 0 ? SOCKET_PORT_ALREADY_IN_USE : SOCKET_FAILED_TO_BIND;
    }
    m_impairment = NetImpairment::FromEnvironment(m_host);
    m_maxConnections = maxConnections;
    m_totals = {};
    for (PluginInterface2* plugin : m_plugins) {
        plugin->OnRakPeerStartup();
    }
    return RAKNET_STARTED;
}

ConnectionAttemptResult RakPeer::Connect(const char* host, unsigned short remotePort,
                                         const char* /*passwordData*/, int /*passwordDataLength*/,
                                         void* /*publicKey*/, unsigned /*connectionSocketIndex*/,
                                         unsigned sendConnectionAttemptCount,
                                         unsigned timeBetweenSendConnectionAttemptsMS,
                                         TimeMS /*timeoutTime*/) {
    if (m_host == nullptr || host == nullptr || host[0] == '\0' || remotePort == 0) {
        return INVALID_PARAMETER;
    }
    ENetAddress address{};
    if (enet_address_set_host(&address, host) != 0) {
        return CANNOT_RESOLVE_DOMAIN_NAME;
    }
    address.port = remotePort;
    if (Connection* existing = FindByAddress(ToSystemAddress(address))) {
        return existing->ready ? ALREADY_CONNECTED_TO_ENDPOINT : CONNECTION_ATTEMPT_ALREADY_IN_PROGRESS;
    }
    if (m_connections.size() >= m_maxConnections) {
        return INVALID_PARAMETER;
    }
    ENetPeer* peer = enet_host_connect(m_host, &address, kEnetChannelCount, kProtocolTag);
    if (peer == nullptr) {
        return INVALID_PARAMETER;
    }
    auto connection = std::make_unique<Connection>();
    connection->peer = peer;
    connection->address = ToSystemAddress(address);
    connection->outgoing = true;
    const unsigned attempts = std::max(1u, sendConnectionAttemptCount);
    const unsigned interval = std::max(1u, timeBetweenSendConnectionAttemptsMS);
    connection->attemptTimeout = static_cast<TimeMS>(
        std::min<std::uint64_t>(std::uint64_t{attempts} * interval, ENET_PEER_TIMEOUT_MAXIMUM));
    connection->attemptInterval = interval;
    enet_peer_timeout(peer, 0, connection->attemptTimeout, connection->attemptTimeout);
    peer->data = connection.get();
    m_connections.push_back(std::move(connection));
    enet_host_flush(m_host);
    CapRetransmits();
    return CONNECTION_ATTEMPT_STARTED;
}

void RakPeer::Shutdown(unsigned int blockDuration, unsigned char /*orderingChannel*/,
                       PacketPriority /*disconnectionNotificationPriority*/) {
    if (m_host == nullptr) {
        return;
    }
    bool waiting = false;
    for (const auto& connection : m_connections) {
        if (blockDuration > 0 && connection->peer->state == ENET_PEER_STATE_CONNECTED) {
            enet_peer_disconnect(connection->peer, ID_DISCONNECTION_NOTIFICATION);
            waiting = true;
        }
        connection->closing = true;
    }
    // Wait, up to blockDuration, until every notice has been acknowledged.
    const Time deadline = GetTime() + blockDuration;
    while (waiting) {
        const Time now = GetTime();
        if (now >= deadline) {
            break;
        }
        ENetEvent event;
        const int result = Service(&event, static_cast<unsigned int>(std::min<Time>(deadline - now, 10)));
        if (result < 0) {
            break;
        }
        if (result > 0 && event.type == ENET_EVENT_TYPE_RECEIVE) {
            enet_packet_destroy(event.packet);
        }
        waiting = std::any_of(m_connections.begin(), m_connections.end(), [](const auto& connection) {
            return connection->peer->state != ENET_PEER_STATE_DISCONNECTED &&
                   connection->peer->state != ENET_PEER_STATE_ZOMBIE;
        });
    }
    for (const auto& connection : m_connections) {
        connection->peer->data = nullptr;
    }
    CollectTotals();
    m_impairment.reset();
    enet_host_destroy(m_host);
    m_host = nullptr;
    m_connections.clear();
    for (Packet* packet : m_incoming) {
        delete static_cast<OwnedPacket*>(packet);
    }
    m_incoming.clear();
    for (PluginInterface2* plugin : m_plugins) {
        plugin->OnRakPeerShutdown();
    }
}

void RakPeer::CloseConnection(const AddressOrGUID& target, bool sendDisconnectionNotification,
                              unsigned char /*orderingChannel*/, PacketPriority /*priority*/) {
    Connection* connection = Find(target);
    if (connection == nullptr) {
        return;
    }
    if (sendDisconnectionNotification && connection->peer->state == ENET_PEER_STATE_CONNECTED) {
        connection->closing = true;
        enet_peer_disconnect(connection->peer, ID_DISCONNECTION_NOTIFICATION);
        enet_host_flush(m_host);
        return;
    }
    for (PluginInterface2* plugin : m_plugins) {
        plugin->OnClosedConnection(connection->address, connection->remoteGuid, LCR_CLOSED_BY_USER);
    }
    enet_peer_reset(connection->peer);
    Forget(*connection);
}

Packet* RakPeer::Receive() {
    if (m_host == nullptr) {
        return nullptr;
    }
    if (m_incoming.empty()) {
        Pump();
    }
    while (!m_incoming.empty()) {
        Packet* packet = m_incoming.front();
        m_incoming.pop_front();
        bool keep = true;
        for (PluginInterface2* plugin : m_plugins) {
            if (plugin->OnReceive(packet) != RR_CONTINUE_PROCESSING) {
                keep = false;
                break;
            }
        }
        if (keep) {
            return packet;
        }
        DeallocatePacket(packet);
    }
    return nullptr;
}

void RakPeer::DeallocatePacket(Packet* packet) {
    delete static_cast<OwnedPacket*>(packet);
}

bool RakPeer::WaitForIncoming(unsigned int timeoutMS) {
    if (m_host == nullptr || !m_incoming.empty()) {
        return !m_incoming.empty();
    }
    ENetEvent event;
    const int result = Service(&event, timeoutMS);
    if (result > 0) {
        HandleEvent(event);
        Pump();
    }
    return !m_incoming.empty();
}

void RakPeer::CollectTotals() {
    if (m_host == nullptr) {
        return;
    }
    m_totals.bytesSent += m_host->totalSentData;
    m_totals.bytesReceived += m_host->totalReceivedData;
    m_totals.datagramsSent += m_host->totalSentPackets;
    m_totals.datagramsReceived += m_host->totalReceivedPackets;
    m_host->totalSentData = 0;
    m_host->totalReceivedData = 0;
    m_host->totalSentPackets = 0;
    m_host->totalReceivedPackets = 0;
}

TransportTotals RakPeer::GetTransportTotals() const {
    TransportTotals totals = m_totals;
    if (m_host != nullptr) {
        totals.bytesSent += m_host->totalSentData;
        totals.bytesReceived += m_host->totalReceivedData;
        totals.datagramsSent += m_host->totalSentPackets;
        totals.datagramsReceived += m_host->totalReceivedPackets;
    }
    return totals;
}

void RakPeer::Pump() {
    ++m_frame;
    CollectTotals();
    ENetEvent event;
    while (m_host != nullptr && Service(&event, 0) > 0) {
        HandleEvent(event);
    }
    DropSilentConnections();
}

void RakPeer::DropSilentConnections() {
    const Time now = GetTime();
    const Time limit = m_timeoutMS > 0 ? m_timeoutMS : kHandshakeTimeoutMS;
    for (std::size_t i = 0; i < m_connections.size();) {
        Connection& connection = *m_connections[i];
        if (connection.ready || connection.closing || !connection.opened ||
            now - connection.openedAt < limit) {
            ++i;
            continue;
        }
        if (connection.outgoing) {
            Report(ID_CONNECTION_ATTEMPT_FAILED, connection);
            for (PluginInterface2* plugin : m_plugins) {
                plugin->OnFailedConnectionAttempt(m_incoming.back(), FCAR_CONNECTION_ATTEMPT_FAILED);
            }
        }
        enet_peer_disconnect_now(connection.peer, ID_CONNECTION_ATTEMPT_FAILED);
        Forget(connection);
    }
}

int RakPeer::Service(ENetEvent* event, unsigned int timeoutMS) {
    if (m_impairment) {
        m_impairment->Release();
        timeoutMS = m_impairment->MillisecondsUntilDue(timeoutMS);
    }
    const int result = enet_host_service(m_host, event, timeoutMS);
    CapRetransmits();
    return result;
}

void RakPeer::CapRetransmits() {
    for (const auto& connection : m_connections) {
        const bool attempting = connection->outgoing && !connection->opened;
        CapRetransmitWait(connection->peer, attempting
                                                ? std::min(connection->attemptInterval, kMaxRetransmitWaitMS)
                                                : kMaxRetransmitWaitMS);
    }
}

void RakPeer::HandleEvent(ENetEvent& event) {
    switch (event.type) {
        case ENET_EVENT_TYPE_CONNECT:
            HandleConnect(event.peer, event.data);
            break;
        case ENET_EVENT_TYPE_RECEIVE:
            if (auto* connection = static_cast<Connection*>(event.peer->data)) {
                HandleReceive(*connection, event.packet, event.channelID);
            }
            enet_packet_destroy(event.packet);
            break;
        case ENET_EVENT_TYPE_DISCONNECT:
            HandleDisconnect(event.peer, event.data);
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
    }
}

void RakPeer::HandleConnect(ENetPeer* peer, std::uint32_t data) {
    auto* connection = static_cast<Connection*>(peer->data);
    if (connection == nullptr) {
        // Somebody connected to us: check the protocol tag and our room before answering.
        if (data != kProtocolTag) {
            enet_peer_disconnect(peer, ID_INCOMPATIBLE_PROTOCOL_VERSION);
            return;
        }
        if (IncomingCount() >= m_maxIncoming || m_connections.size() >= m_maxConnections) {
            enet_peer_disconnect(peer, ID_NO_FREE_INCOMING_CONNECTIONS);
            return;
        }
        auto incoming = std::make_unique<Connection>();
        incoming->peer = peer;
        incoming->address = ToSystemAddress(peer->address);
        connection = incoming.get();
        peer->data = connection;
        m_connections.push_back(std::move(incoming));
    }
    ApplyTimeout(*connection);
    connection->opened = true;
    connection->openedAt = GetTime();
    unsigned char handshake[kHandshakeLength];
    handshake[0] = ID_CONNECTION_REQUEST;
    PutBigEndian64(handshake + 1, m_guid.g);
    SendControl(*connection, handshake, sizeof(handshake), true);
}

void RakPeer::HandleReceive(Connection& connection, ENetPacket* packet, unsigned char channel) {
    if (connection.closing || packet->dataLength == 0) {
        return;
    }
    const int reliability = (packet->flags & ENET_PACKET_FLAG_RELIABLE) != 0
                                ? static_cast<int>(RELIABLE_ORDERED)
                                : static_cast<int>(UNRELIABLE);
    ReportInternal(packet->data, packet->dataLength, connection.address, false, channel, reliability);
    if (channel == kControlChannel) {
        HandleControl(connection, packet->data, packet->dataLength);
        return;
    }
    // Numbers below ID_USER_PACKET_ENUM are the transport's own; the connection reports among them are made
    // here, never received, so a packet that starts with one of them is not the application's.
    if (channel >= kGameChannels || packet->data[0] < ID_USER_PACKET_ENUM) {
        return;
    }
    if (!connection.ready) {
        if (connection.early.size() < kMaxEarlyPackets) {
            connection.early.emplace_back(packet->data, packet->data + packet->dataLength);
        }
        return;
    }
    Deliver(connection, packet->data, packet->dataLength);
}

void RakPeer::HandleControl(Connection& connection, const unsigned char* data, std::size_t length) {
    switch (data[0]) {
        case ID_CONNECTION_REQUEST:
            if (length == kHandshakeLength && !connection.ready) {
                CompleteHandshake(connection, RakNetGUID(GetBigEndian64(data + 1)));
            }
            break;
        case ID_CONNECTED_PING:
            if (length == kPingLength) {
                unsigned char pong[kPongLength];
                pong[0] = ID_CONNECTED_PONG;
                std::memcpy(pong + 1, data + 1, 8);
                PutBigEndian64(pong + 9, GetTime());
                SendControl(connection, pong, sizeof(pong), false);
            }
            break;
        case ID_CONNECTED_PONG:
            if (length == kPongLength) {
                const std::uint64_t sent = GetBigEndian64(data + 1);
                const Time now = GetTime();
                if (sent <= now && now - sent < 3600000u) {
                    connection.lastPing = static_cast<int>(now - sent);
                    connection.pings[connection.pingCount % kPingSamples] = connection.lastPing;
                    ++connection.pingCount;
                }
            }
            break;
        default:
            break;
    }
}

void RakPeer::CompleteHandshake(Connection& connection, RakNetGUID remote) {
    // A GUID names one connection: refuse a peer that claims ours, nobody's or another connection's.
    const bool taken = remote == m_guid || remote == UNASSIGNED_RAKNET_GUID ||
                       std::any_of(m_connections.begin(), m_connections.end(), [&](const auto& other) {
                           return other.get() != &connection && other->ready && other->remoteGuid == remote;
                       });
    if (taken) {
        connection.closing = true;
        enet_peer_disconnect(connection.peer, ID_CONNECTION_ATTEMPT_FAILED);
        return;
    }
    connection.remoteGuid = remote;
    connection.ready = true;
    if (connection.outgoing) {
        ApplyTimeout(connection);
    }
    Report(connection.outgoing ? ID_CONNECTION_REQUEST_ACCEPTED : ID_NEW_INCOMING_CONNECTION, connection);
    for (PluginInterface2* plugin : m_plugins) {
        plugin->OnNewConnection(connection.address, connection.remoteGuid, !connection.outgoing);
    }
    for (const auto& early : connection.early) {
        Deliver(connection, early.data(), early.size());
    }
    connection.early.clear();
    connection.early.shrink_to_fit();
}

void RakPeer::HandleDisconnect(ENetPeer* peer, std::uint32_t data) {
    auto* connection = static_cast<Connection*>(peer->data);
    peer->data = nullptr;
    if (connection == nullptr) {
        return;
    }
    if (!connection->closing) {
        if (connection->ready) {
            const bool notified = data == ID_DISCONNECTION_NOTIFICATION;
            Report(notified ? ID_DISCONNECTION_NOTIFICATION : ID_CONNECTION_LOST, *connection);
            for (PluginInterface2* plugin : m_plugins) {
                plugin->OnClosedConnection(connection->address, connection->remoteGuid,
                                           notified ? LCR_DISCONNECTION_NOTIFICATION : LCR_CONNECTION_LOST);
            }
        } else if (connection->outgoing) {
            unsigned char id = ID_CONNECTION_ATTEMPT_FAILED;
            PI2_FailedConnectionAttemptReason reason = FCAR_CONNECTION_ATTEMPT_FAILED;
            if (data == ID_INCOMPATIBLE_PROTOCOL_VERSION) {
                id = ID_INCOMPATIBLE_PROTOCOL_VERSION;
                reason = FCAR_INCOMPATIBLE_PROTOCOL;
            } else if (data == ID_NO_FREE_INCOMING_CONNECTIONS) {
                id = ID_NO_FREE_INCOMING_CONNECTIONS;
                reason = FCAR_NO_FREE_INCOMING_CONNECTIONS;
            }
            Report(id, *connection);
            for (PluginInterface2* plugin : m_plugins) {
                plugin->OnFailedConnectionAttempt(m_incoming.back(), reason);
            }
        }
    }
    Forget(*connection);
}

std::uint32_t RakPeer::Send(const BitStream* bitStream, PacketPriority priority,
                            PacketReliability reliability, char orderingChannel, const AddressOrGUID& target,
                            bool broadcast) {
    if (bitStream == nullptr) {
        return 0;
    }
    return Send(reinterpret_cast<const char*>(bitStream->GetData()),
                static_cast<int>(bitStream->GetNumberOfBytesUsed()), priority, reliability, orderingChannel,
                target, broadcast);
}

std::uint32_t RakPeer::Send(const char* data, int length, PacketPriority /*priority*/,
                            PacketReliability reliability, char orderingChannel, const AddressOrGUID& target,
                            bool broadcast) {
    const auto channel = static_cast<unsigned char>(orderingChannel);
    if (m_host == nullptr || data == nullptr || length <= 0 || channel >= kGameChannels) {
        return 0;
    }
    ENetPacket* packet = enet_packet_create(data, static_cast<std::size_t>(length), EnetFlags(reliability));
    if (packet == nullptr) {
        return 0;
    }
    bool sent = false;
    if (broadcast) {
        const Connection* excluded = target.IsUndefined() ? nullptr : Find(target);
        for (const auto& connection : m_connections) {
            if (connection.get() != excluded && connection->ready && !connection->closing) {
                sent = SendPacket(*connection, packet, channel, reliability) || sent;
            }
        }
    } else if (Connection* connection = Find(target);
               connection != nullptr && connection->ready && !connection->closing) {
        sent = SendPacket(*connection, packet, channel, reliability);
    }
    if (packet->referenceCount == 0) {
        enet_packet_destroy(packet);
    }
    if (!sent) {
        return 0;
    }
    if (++m_sendNumber == 0) {
        ++m_sendNumber;
    }
    return m_sendNumber;
}

bool RakPeer::SendPacket(Connection& connection, ENetPacket* packet, unsigned char channel, int reliability) {
    if (enet_peer_send(connection.peer, channel, packet) != 0) {
        return false;
    }
    ReportInternal(packet->data, packet->dataLength, connection.address, true, channel, reliability);
    return true;
}

void RakPeer::SendControl(Connection& connection, const unsigned char* data, std::size_t length,
                          bool reliable) {
    const int reliability = reliable ? RELIABLE_ORDERED : UNRELIABLE;
    ENetPacket* packet = enet_packet_create(data, length, EnetFlags(reliability));
    if (packet == nullptr) {
        return;
    }
    if (!SendPacket(connection, packet, kControlChannel, reliability)) {
        enet_packet_destroy(packet);
    }
}

void RakPeer::ReportInternal(const unsigned char* data, std::size_t length, const SystemAddress& remote,
                             bool isSend, unsigned char channel, int reliability) {
    InternalPacket internal;
    internal.data = const_cast<unsigned char*>(data);
    internal.dataBitLength = static_cast<BitSize_t>(length * 8u);
    internal.orderingChannel = channel;
    internal.reliability = reliability;
    const TimeMS now = GetTimeMS();
    for (PluginInterface2* plugin : m_plugins) {
        if (plugin->UsesReliabilityLayer()) {
            plugin->OnInternalPacket(&internal, m_frame, remote, now, isSend ? 1 : 0);
        }
    }
}

void RakPeer::Deliver(const Connection& connection, const unsigned char* data, std::size_t length) {
    auto* packet = new OwnedPacket();
    packet->storage.assign(data, data + length);
    packet->data = packet->storage.data();
    packet->length = static_cast<unsigned int>(length);
    packet->bitSize = static_cast<BitSize_t>(length * 8u);
    packet->systemAddress = connection.address;
    packet->guid = connection.remoteGuid;
    m_incoming.push_back(packet);
}

void RakPeer::Report(unsigned char id, const Connection& connection) {
    Deliver(connection, &id, 1);
    m_incoming.back()->wasGeneratedLocally = true;
}

void RakPeer::Ping(const SystemAddress& target) {
    Connection* connection = FindByAddress(target);
    if (connection == nullptr || !connection->ready || connection->closing) {
        return;
    }
    unsigned char ping[kPingLength];
    ping[0] = ID_CONNECTED_PING;
    PutBigEndian64(ping + 1, GetTime());
    SendControl(*connection, ping, sizeof(ping), false);
}

int RakPeer::GetAveragePing(const AddressOrGUID& target) const {
    const Connection* connection = Find(target);
    if (connection == nullptr || connection->pingCount == 0) {
        return -1;
    }
    const std::size_t samples = std::min(connection->pingCount, kPingSamples);
    int total = 0;
    for (std::size_t i = 0; i < samples; ++i) {
        total += connection->pings[i];
    }
    return total / static_cast<int>(samples);
}

int RakPeer::GetLastPing(const AddressOrGUID& target) const {
    const Connection* connection = Find(target);
    return connection != nullptr ? connection->lastPing : -1;
}

SystemAddress RakPeer::GetSystemAddressFromGuid(const RakNetGUID& guid) const {
    if (guid == m_guid) {
        SystemAddress own = GetMyBoundAddress();
        if (own.ipv4 == 0) {
            own.ipv4 = PrimaryIpv4Address();
        }
        return own;
    }
    const Connection* connection = Find(guid);
    return connection != nullptr ? connection->address : UNASSIGNED_SYSTEM_ADDRESS;
}

RakNetGUID RakPeer::GetGuidFromSystemAddress(const SystemAddress& address) const {
    if (m_host != nullptr && address == GetMyBoundAddress()) {
        return m_guid;
    }
    const Connection* connection = FindByAddress(address);
    return connection != nullptr && connection->ready ? connection->remoteGuid : UNASSIGNED_RAKNET_GUID;
}

SystemAddress RakPeer::GetMyBoundAddress() const {
    if (m_host == nullptr) {
        return UNASSIGNED_SYSTEM_ADDRESS;
    }
    ENetAddress address{};
    if (enet_socket_get_address(m_host->socket, &address) != 0) {
        return UNASSIGNED_SYSTEM_ADDRESS;
    }
    return ToSystemAddress(address);
}

unsigned short RakPeer::NumberOfConnections() const {
    return static_cast<unsigned short>(std::count_if(m_connections.begin(), m_connections.end(),
                                                     [](const auto& c) { return c->ready && !c->closing; }));
}

std::vector<RakNetGUID> RakPeer::GetConnectionList() const {
    std::vector<RakNetGUID> list;
    for (const auto& connection : m_connections) {
        if (connection->ready && !connection->closing) {
            list.push_back(connection->remoteGuid);
        }
    }
    return list;
}

void RakPeer::SetTimeoutTime(TimeMS timeMS, const SystemAddress& target) {
    if (target == UNASSIGNED_SYSTEM_ADDRESS) {
        m_timeoutMS = timeMS;
        for (const auto& connection : m_connections) {
            if (connection->ready || !connection->outgoing) {
                ApplyTimeout(*connection);
            }
        }
    } else if (Connection* connection = FindByAddress(target)) {
        enet_peer_timeout(connection->peer, 0, timeMS, timeMS);
    }
}

void RakPeer::ApplyTimeout(Connection& connection) const {
    // The least and the most time ENet waits for an acknowledgement before giving up are the same: with
    // resends capped (RetransmitCap.h) the connection is lost when nothing got through for that long.
    const TimeMS timeout = m_timeoutMS > 0 ? m_timeoutMS : kDefaultTimeoutMS;
    enet_peer_timeout(connection.peer, 0, timeout, timeout);
}

void RakPeer::AttachPlugin(PluginInterface2* plugin) {
    if (plugin == nullptr || std::find(m_plugins.begin(), m_plugins.end(), plugin) != m_plugins.end()) {
        return;
    }
    m_plugins.push_back(plugin);
    plugin->SetRakPeerInterface(this);
    plugin->OnAttach();
}

void RakPeer::DetachPlugin(PluginInterface2* plugin) {
    const auto it = std::find(m_plugins.begin(), m_plugins.end(), plugin);
    if (it == m_plugins.end()) {
        return;
    }
    m_plugins.erase(it);
    plugin->OnDetach();
    plugin->SetRakPeerInterface(nullptr);
}

RakPeer::Connection* RakPeer::Find(const AddressOrGUID& target) const {
    for (const auto& connection : m_connections) {
        if (target.rakNetGuid != UNASSIGNED_RAKNET_GUID) {
            if (connection->ready && connection->remoteGuid == target.rakNetGuid) {
                return connection.get();
            }
        } else if (connection->address == target.systemAddress) {
            return connection.get();
        }
    }
    return nullptr;
}

RakPeer::Connection* RakPeer::FindByAddress(const SystemAddress& address) const {
    for (const auto& connection : m_connections) {
        if (connection->address == address) {
            return connection.get();
        }
    }
    return nullptr;
}

void RakPeer::Forget(Connection& connection) {
    connection.peer->data = nullptr;
    m_connections.erase(std::find_if(m_connections.begin(), m_connections.end(),
                                     [&](const auto& c) { return c.get() == &connection; }));
}

std::size_t RakPeer::IncomingCount() const {
    return static_cast<std::size_t>(std::count_if(m_connections.begin(), m_connections.end(),
                                                  [](const auto& c) { return !c->outgoing && !c->closing; }));
}

}  // namespace RakNet
