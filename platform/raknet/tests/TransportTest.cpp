// The transport on loopback: real UDP sockets, ephemeral ports.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "LoopbackPair.h"
#include "raknet/MessageIdentifiers.h"
#include "raknet/PluginInterface2.h"
#include "raknet/RakPeer.h"

using namespace RakNet;
using Bytes = std::vector<unsigned char>;

namespace {

constexpr unsigned char kGameId = ID_USER_PACKET_ENUM + 1;

std::uint32_t SendBytes(RakPeerInterface* from, const Bytes& bytes, PacketReliability reliability,
                        char channel, const AddressOrGUID& to, bool broadcast = false) {
    return from->Send(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()),
                      HIGH_PRIORITY, reliability, channel, to, broadcast);
}

struct Seen {
    unsigned char id;
    BitSize_t bits;
    bool isSend;
};

class RecordingPlugin : public PluginInterface2 {
public:
    bool UsesReliabilityLayer() const override { return true; }
    void OnInternalPacket(InternalPacket* packet, unsigned, SystemAddress, TimeMS, int isSend) override {
        seen.push_back({packet->data[0], packet->dataBitLength, isSend != 0});
    }
    PluginReceiveResult OnReceive(Packet* packet) override {
        return packet->data[0] == dropId ? RR_STOP_PROCESSING_AND_DEALLOCATE : RR_CONTINUE_PROCESSING;
    }
    bool Saw(unsigned char id, BitSize_t bits, bool isSend) const {
        for (const Seen& s : seen) {
            if (s.id == id && s.bits == bits && s.isSend == isSend) {
                return true;
            }
        }
        return false;
    }
    std::vector<Seen> seen;
    unsigned char dropId = 0xFF;
};

// A loopback port nobody listens on (one just given up by a host).
unsigned short UnusedPort() {
    RawEnetHost closed;
    return closed.Port();
}

}  // namespace

TEST(Transport, ConnectionIsReportedOnBothSidesWithTheOtherSidesGuid) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    ASSERT_TRUE(net.Connect(client, server));

    const Received* accepted = net.First(client, ID_CONNECTION_REQUEST_ACCEPTED);
    EXPECT_EQ(accepted->guid, server->GetMyGUID());
    EXPECT_EQ(accepted->address.GetPort(), Loopback::PortOf(server));
    const Received* incoming = net.First(server, ID_NEW_INCOMING_CONNECTION);
    EXPECT_EQ(incoming->guid, client->GetMyGUID());
    EXPECT_EQ(incoming->address.ToString(), "127.0.0.1|" + std::to_string(Loopback::PortOf(client)));
    EXPECT_EQ(server->GetSystemAddressFromGuid(client->GetMyGUID()), incoming->address);
    EXPECT_EQ(server->NumberOfConnections(), 1u);
    EXPECT_NE(server->GetMyGUID(), client->GetMyGUID());
}

TEST(Transport, EveryReliabilityAndChannelDeliversBothWays) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    ASSERT_TRUE(net.Connect(client, server));

    const PacketReliability kinds[] = {UNRELIABLE, UNRELIABLE_SEQUENCED, RELIABLE, RELIABLE_ORDERED,
                                       RELIABLE_SEQUENCED};
    std::size_t sent = 0;
    for (PacketReliability kind : kinds) {
        for (char channel = 0; channel < static_cast<char>(kGameChannels); ++channel) {
            const Bytes message{kGameId, static_cast<unsigned char>(kind),
                                static_cast<unsigned char>(channel)};
            EXPECT_NE(SendBytes(client, message, kind, channel, server->GetMyGUID()), 0u);
            EXPECT_NE(SendBytes(server, message, kind, channel, client->GetMyGUID()), 0u);
            ++sent;
        }
    }
    ASSERT_TRUE(
        net.Until([&] { return net.Count(server, kGameId) == sent && net.Count(client, kGameId) == sent; }));
    for (RakPeerInterface* receiver : {server, client}) {
        for (const Received& r : net.Inbox(receiver)) {
            if (r.id == kGameId) {
                EXPECT_EQ(r.data.size(), 3u);
                EXPECT_EQ(r.guid, receiver == server ? client->GetMyGUID() : server->GetMyGUID());
            }
        }
    }
}

TEST(Transport, ReliableOrderedKeepsOrderWithinAChannel) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    ASSERT_TRUE(net.Connect(client, server));
    constexpr int kCount = 200;
    for (int i = 0; i < kCount; ++i) {
        // Large enough for some packets to be split across datagrams.
        Bytes message(i % 3 == 0 ? 3000 : 4, static_cast<unsigned char>(i));
        message[0] = kGameId;
        SendBytes(client, message, RELIABLE_ORDERED, 3, server->GetMyGUID());
    }
    ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId) == kCount; }));
    int expected = 0;
    for (const Received& r : net.Inbox(server)) {
        if (r.id == kGameId) {
            EXPECT_EQ(r.data.back(), static_cast<unsigned char>(expected));
            ++expected;
        }
    }
}

TEST(Transport, SendsThatCannotGoReturnZero) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    const Bytes message{kGameId};
    EXPECT_EQ(SendBytes(client, message, RELIABLE, 0, server->GetMyGUID()), 0u) << "not connected yet";
    ASSERT_TRUE(net.Connect(client, server));
    EXPECT_EQ(SendBytes(client, message, RELIABLE, kGameChannels, server->GetMyGUID()), 0u)
        << "layer's channel";
    EXPECT_EQ(SendBytes(client, {}, RELIABLE, 0, server->GetMyGUID()), 0u) << "empty packet";
    EXPECT_EQ(SendBytes(client, message, RELIABLE, 0, RakNetGUID(12345)), 0u) << "unknown GUID";
    EXPECT_NE(SendBytes(client, message, RELIABLE, 0, server->GetMyGUID()), 0u);
}

TEST(Transport, BroadcastSkipsTheExcludedConnection) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    std::vector<RakPeerInterface*> clients;
    for (int i = 0; i < 3; ++i) {
        clients.push_back(net.AddClient());
        ASSERT_TRUE(net.Connect(clients.back(), server));
    }
    EXPECT_NE(SendBytes(server, {kGameId}, RELIABLE_ORDERED, 0, clients[0]->GetMyGUID(), true), 0u);
    EXPECT_NE(SendBytes(server, {kGameId, 2}, RELIABLE_ORDERED, 0, UNASSIGNED_SYSTEM_ADDRESS, true), 0u);
    ASSERT_TRUE(net.Until(
        [&] { return net.Count(clients[1], kGameId) == 2 && net.Count(clients[2], kGameId) == 2; }));
    net.Until([] { return false; }, 100);
    EXPECT_EQ(net.Count(clients[0], kGameId), 1u);
    EXPECT_EQ(net.First(clients[0], kGameId)->data.size(), 2u) << "only the broadcast to everyone";
}

TEST(Transport, OrderlyDisconnectIsReportedAs21WithTheGuid) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* first = net.AddClient();
    RakPeerInterface* second = net.AddClient();
    ASSERT_TRUE(net.Connect(first, server));
    ASSERT_TRUE(net.Connect(second, server));

    first->CloseConnection(server->GetMyGUID(), true);
    server->CloseConnection(second->GetMyGUID(), true);
    ASSERT_TRUE(net.Until([&] {
        return net.Count(server, ID_DISCONNECTION_NOTIFICATION) == 1 &&
               net.Count(second, ID_DISCONNECTION_NOTIFICATION) == 1;
    }));
    EXPECT_EQ(net.First(server, ID_DISCONNECTION_NOTIFICATION)->guid, first->GetMyGUID());
    EXPECT_EQ(net.First(second, ID_DISCONNECTION_NOTIFICATION)->guid, server->GetMyGUID());
    EXPECT_EQ(net.Count(first, ID_DISCONNECTION_NOTIFICATION), 0u) << "the side that closed is not told";
    EXPECT_EQ(server->NumberOfConnections(), 0u);
}

TEST(Transport, SilentPeerIsReportedLostAs22AfterTheTimeout) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    RakPeerInterface* vanishing = net.AddClient();
    server->SetTimeoutTime(600, UNASSIGNED_SYSTEM_ADDRESS);
    client->SetTimeoutTime(600, UNASSIGNED_SYSTEM_ADDRESS);
    ASSERT_TRUE(net.Connect(client, server));
    ASSERT_TRUE(net.Connect(vanishing, server));

    const RakNetGUID vanishingGuid = vanishing->GetMyGUID();
    net.Drop(vanishing);
    ASSERT_TRUE(net.Until([&] { return net.Count(server, ID_CONNECTION_LOST) == 1; }));
    EXPECT_EQ(net.First(server, ID_CONNECTION_LOST)->guid, vanishingGuid);

    const RakNetGUID serverGuid = server->GetMyGUID();
    net.Drop(server);
    ASSERT_TRUE(net.Until([&] { return net.Count(client, ID_CONNECTION_LOST) == 1; }));
    EXPECT_EQ(net.First(client, ID_CONNECTION_LOST)->guid, serverGuid);
}

// A stalled peer (a level loading, a machine swapping) is kept until the time-out however quick the link
// was before, and is resent to at least every second while it is silent, so that what it missed reaches it
// soon after it wakes even when the stall swallowed the datagrams.
TEST(Transport, StalledPeerIsKeptAndResentToEverySecond) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    ASSERT_TRUE(net.Connect(client, server));
    const RakNetGUID serverGuid = server->GetMyGUID();
    // Quick round trips teach ENet a round-trip time of about a millisecond, the start of its back-off.
    for (unsigned i = 0; i < 200; ++i) {
        ASSERT_NE(
            SendBytes(client, {kGameId, static_cast<unsigned char>(i)}, RELIABLE_ORDERED, 0, serverGuid), 0u);
        ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId) == i + 1; }));
    }

    net.Pause(server, true);
    ASSERT_NE(SendBytes(client, {kGameId, 0xEE}, RELIABLE_ORDERED, 0, serverGuid), 0u);
    net.Until([] { return false; }, 3000);
    const std::uint64_t sentBefore = client->GetTransportTotals().datagramsSent;
    net.Until([] { return false; }, 4000);
    const std::uint64_t sentDuring = client->GetTransportTotals().datagramsSent - sentBefore;
    EXPECT_GE(sentDuring, 3u) << "resends in the last four seconds of a seven-second stall";

    net.Pause(server, false);
    ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId) == 201; }));
    EXPECT_EQ(net.Inbox(server).back().data, (Bytes{kGameId, 0xEE}));
    net.Until([] { return false; }, 200);
    EXPECT_EQ(net.Count(server, kGameId), 201u);
    EXPECT_EQ(net.Count(client, ID_CONNECTION_LOST), 0u);
    EXPECT_EQ(net.Count(server, ID_CONNECTION_LOST), 0u);
}

// An attempt is resent evenly over its attempts and interval, so a server that starts listening late in
// the attempt is still reached.
TEST(Transport, AttemptReachesAServerThatStartsListeningLate) {
    Loopback net;
    RakPeerInterface* client = net.AddClient();
    const unsigned short port = UnusedPort();
    ASSERT_EQ(client->Connect("127.0.0.1", port, nullptr, 0, nullptr, 0, 6, 1000),
              CONNECTION_ATTEMPT_STARTED);
    net.Until([] { return false; }, 3800);
    RakPeerInterface* server = net.AddServer(8, port);
    ASSERT_EQ(Loopback::PortOf(server), port);
    EXPECT_TRUE(net.Until([&] {
        return net.Count(client, ID_CONNECTION_REQUEST_ACCEPTED) == 1 ||
               net.Count(client, ID_CONNECTION_ATTEMPT_FAILED) == 1;
    }));
    EXPECT_EQ(net.Count(client, ID_CONNECTION_REQUEST_ACCEPTED), 1u);
    EXPECT_EQ(net.Count(server, ID_NEW_INCOMING_CONNECTION), 1u);
}

TEST(Transport, NinthClientIsRefusedWith20) {
    Loopback net;
    RakPeerInterface* server = net.AddServer(8);
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(net.Connect(net.AddClient(), server)) << "client " << i;
    }
    RakPeerInterface* ninth = net.AddClient();
    ASSERT_EQ(ninth->Connect("127.0.0.1", Loopback::PortOf(server), nullptr, 0), CONNECTION_ATTEMPT_STARTED);
    ASSERT_TRUE(net.Until([&] { return net.Count(ninth, ID_NO_FREE_INCOMING_CONNECTIONS) == 1; }));
    EXPECT_EQ(net.Count(ninth, ID_CONNECTION_REQUEST_ACCEPTED), 0u);
    EXPECT_EQ(net.Count(server, ID_NEW_INCOMING_CONNECTION), 8u);
    EXPECT_EQ(server->NumberOfConnections(), 8u);
}

TEST(Transport, WrongProtocolTagIsRefusedWith25) {
    // Our server refuses a foreign program.
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RawEnetHost foreign;
    ASSERT_NE(foreign.Connect(Loopback::PortOf(server), 0x12345678u), nullptr);
    const ENetEvent refused = foreign.WaitFor(ENET_EVENT_TYPE_DISCONNECT, 5000, [&] { net.Pump(); });
    ASSERT_EQ(refused.type, ENET_EVENT_TYPE_DISCONNECT);
    EXPECT_EQ(refused.data, ID_INCOMPATIBLE_PROTOCOL_VERSION);
    EXPECT_EQ(net.Count(server, ID_NEW_INCOMING_CONNECTION), 0u);

    // Our client reports a server that refuses its version.
    RawEnetHost refusing;
    RakPeerInterface* client = net.AddClient();
    ASSERT_EQ(client->Connect("127.0.0.1", refusing.Port(), nullptr, 0), CONNECTION_ATTEMPT_STARTED);
    const ENetEvent connect = refusing.WaitFor(ENET_EVENT_TYPE_CONNECT, 5000, [&] { net.Pump(); });
    ASSERT_EQ(connect.type, ENET_EVENT_TYPE_CONNECT);
    EXPECT_EQ(connect.data, kProtocolTag);
    enet_peer_disconnect(connect.peer, ID_INCOMPATIBLE_PROTOCOL_VERSION);
    ASSERT_TRUE(net.Until([&] {
        enet_host_service(refusing.host, nullptr, 0);
        return net.Count(client, ID_INCOMPATIBLE_PROTOCOL_VERSION) == 1;
    }));
}

TEST(Transport, AttemptWithNobodyListeningFailsWith17) {
    Loopback net;
    RakPeerInterface* client = net.AddClient();
    ASSERT_EQ(client->Connect("127.0.0.1", UnusedPort(), nullptr, 0, nullptr, 0, 3, 100),
              CONNECTION_ATTEMPT_STARTED);
    ASSERT_TRUE(net.Until([&] { return net.Count(client, ID_CONNECTION_ATTEMPT_FAILED) == 1; }));
    EXPECT_EQ(client->Connect("", 1, nullptr, 0), INVALID_PARAMETER);
}

TEST(Transport, ShutdownDeliversDisconnectionNoticesWithinItsGrace) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* first = net.AddClient();
    RakPeerInterface* second = net.AddClient();
    ASSERT_TRUE(net.Connect(first, server));
    ASSERT_TRUE(net.Connect(second, server));

    // The clients keep answering on their own thread while the server shuts down.
    std::atomic<bool> stop{false};
    std::atomic<int> notices{0};
    std::thread clients([&] {
        while (!stop && notices < 2) {
            for (RakPeerInterface* client : {first, second}) {
                while (Packet* packet = client->Receive()) {
                    if (packet->data[0] == ID_DISCONNECTION_NOTIFICATION &&
                        packet->guid == server->GetMyGUID()) {
                        ++notices;
                    }
                    client->DeallocatePacket(packet);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const auto start = std::chrono::steady_clock::now();
    server->Shutdown(1000);
    const auto waited = std::chrono::steady_clock::now() - start;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stop = true;
    clients.join();
    EXPECT_EQ(notices.load(), 2);
    EXPECT_LE(waited, std::chrono::milliseconds(1100)) << "the grace period bounds the wait";
    EXPECT_FALSE(server->IsActive());
}

TEST(Transport, PluginsSeeEveryPacketWithItsSizeInBits) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    RecordingPlugin onServer, onClient;
    server->AttachPlugin(&onServer);
    client->AttachPlugin(&onClient);
    ASSERT_TRUE(net.Connect(client, server));

    SendBytes(client, {kGameId, 1, 2, 3, 4}, RELIABLE_ORDERED, 2, server->GetMyGUID());
    client->Ping(net.First(client, ID_CONNECTION_REQUEST_ACCEPTED)->address);
    ASSERT_TRUE(net.Until(
        [&] { return net.Count(server, kGameId) == 1 && client->GetLastPing(server->GetMyGUID()) >= 0; }));

    // The layer's handshake (ID + 64-bit GUID), the game packet, the ping and its answer.
    for (RecordingPlugin* plugin : {&onServer, &onClient}) {
        EXPECT_TRUE(plugin->Saw(ID_CONNECTION_REQUEST, 72, true));
        EXPECT_TRUE(plugin->Saw(ID_CONNECTION_REQUEST, 72, false));
    }
    EXPECT_TRUE(onClient.Saw(kGameId, 40, true));
    EXPECT_TRUE(onServer.Saw(kGameId, 40, false));
    EXPECT_TRUE(onClient.Saw(ID_CONNECTED_PING, 72, true));
    EXPECT_TRUE(onServer.Saw(ID_CONNECTED_PING, 72, false));
    EXPECT_TRUE(onServer.Saw(ID_CONNECTED_PONG, 136, true));
    EXPECT_TRUE(onClient.Saw(ID_CONNECTED_PONG, 136, false));

    // A plug-in can drop a packet before the application sees it.
    onServer.dropId = kGameId;
    SendBytes(client, {kGameId}, RELIABLE_ORDERED, 2, server->GetMyGUID());
    SendBytes(client, {kGameId + 1}, RELIABLE_ORDERED, 2, server->GetMyGUID());
    ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId + 1) == 1; }));
    EXPECT_EQ(net.Count(server, kGameId), 1u);
    server->DetachPlugin(&onServer);
    client->DetachPlugin(&onClient);
}

TEST(Transport, HandshakeRulesHoldAgainstAForeignPeer) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* honest = net.AddClient();
    ASSERT_TRUE(net.Connect(honest, server));

    auto handshake = [](std::uint64_t guid) {
        Bytes bytes{ID_CONNECTION_REQUEST};
        for (int i = 7; i >= 0; --i) {
            bytes.push_back(static_cast<unsigned char>(guid >> (8 * i)));
        }
        return bytes;
    };

    // A game packet before the handshake waits for it; a short handshake is ignored.
    RawEnetHost raw;
    ENetPeer* peer = raw.Connect(Loopback::PortOf(server), kProtocolTag);
    ASSERT_EQ(raw.WaitFor(ENET_EVENT_TYPE_CONNECT, 5000, [&] { net.Pump(); }).type, ENET_EVENT_TYPE_CONNECT);
    raw.Send(peer, 0, {kGameId, 9});
    raw.Send(peer, kControlChannel, {ID_CONNECTION_REQUEST, 1, 2});
    net.Until([] { return false; }, 100);
    EXPECT_EQ(net.Count(server, kGameId), 0u);
    EXPECT_EQ(net.Count(server, ID_NEW_INCOMING_CONNECTION), 1u);
    raw.Send(peer, kControlChannel, handshake(0x1122334455667788ull));
    ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId) == 1; }));
    ASSERT_EQ(net.Count(server, ID_NEW_INCOMING_CONNECTION), 2u);
    EXPECT_EQ(net.Inbox(server).back().guid.g, 0x1122334455667788ull);

    // Claiming a GUID that another connection holds is refused.
    RawEnetHost impostor;
    ENetPeer* fake = impostor.Connect(Loopback::PortOf(server), kProtocolTag);
    ASSERT_EQ(impostor.WaitFor(ENET_EVENT_TYPE_CONNECT, 5000, [&] { net.Pump(); }).type,
              ENET_EVENT_TYPE_CONNECT);
    impostor.Send(fake, kControlChannel, handshake(honest->GetMyGUID().g));
    const ENetEvent refused = impostor.WaitFor(ENET_EVENT_TYPE_DISCONNECT, 5000, [&] {
        net.Pump();
        enet_host_service(raw.host, nullptr, 0);
    });
    EXPECT_EQ(refused.type, ENET_EVENT_TYPE_DISCONNECT);
    EXPECT_EQ(net.Count(server, ID_NEW_INCOMING_CONNECTION), 2u);
}

TEST(Transport, TotalsCountEveryDatagramBothWaysAndSurviveShutdown) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    EXPECT_EQ(client->GetTransportTotals().bytesSent, 0u);
    ASSERT_TRUE(net.Connect(client, server));

    const TransportTotals before = client->GetTransportTotals();
    EXPECT_GT(before.datagramsSent, 0u);  // the connection and the handshake
    const Bytes payload(5000, kGameId);
    ASSERT_NE(SendBytes(client, payload, RELIABLE_ORDERED, 0, server->GetMyGUID()), 0u);
    ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId) == 1; }));

    const TransportTotals sent = client->GetTransportTotals();
    const TransportTotals received = server->GetTransportTotals();
    // The payload plus the transport's headers went one way; at least its fragments' acknowledgements came
    // back.
    EXPECT_GE(sent.bytesSent - before.bytesSent, payload.size());
    EXPECT_LT(sent.bytesSent - before.bytesSent, payload.size() + 1000);
    EXPECT_GE(received.bytesReceived, sent.bytesSent - before.bytesSent);
    EXPECT_GT(sent.datagramsReceived, before.datagramsReceived);

    client->Shutdown(0);
    EXPECT_GE(client->GetTransportTotals().bytesSent, sent.bytesSent);
}

// Found by the hostile-client test: a game packet whose first byte was one of the transport's own report
// numbers (a disconnection notice, a new connection) reached the application as if the transport had made
// the report, so a client could make the server count it gone while it stayed connected.
TEST(Transport, RemotePacketsCannotPoseAsTheTransportsOwnReports) {
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    ASSERT_TRUE(net.Connect(client, server));

    for (int id = 0; id < ID_USER_PACKET_ENUM; ++id) {
        SendBytes(client, {static_cast<unsigned char>(id), 1, 2}, RELIABLE_ORDERED, 0, server->GetMyGUID());
    }
    SendBytes(client, {ID_USER_PACKET_ENUM}, RELIABLE_ORDERED, 0, server->GetMyGUID());
    SendBytes(client, {kGameId}, RELIABLE_ORDERED, 0, server->GetMyGUID());
    ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId) == 1; }));

    std::vector<int> ids;
    for (const Received& received : net.Inbox(server)) {
        ids.push_back(received.id);
    }
    EXPECT_EQ(ids, (std::vector<int>{ID_NEW_INCOMING_CONNECTION, ID_USER_PACKET_ENUM, kGameId}));
    EXPECT_EQ(server->NumberOfConnections(), 1u);
}

namespace {

// Services a bare ENet host that never answers: it acknowledges (so ENet keeps the connection up) and
// throws away what it receives.
void KeepAlive(RawEnetHost& raw) {
    ENetEvent event;
    while (enet_host_service(raw.host, &event, 0) > 0) {
        if (event.type == ENET_EVENT_TYPE_RECEIVE) {
            enet_packet_destroy(event.packet);
        }
    }
}

}  // namespace

// Found while building the connection flood of the hostile-traffic test: a peer that opened an ENet
// connection with the right tag and then never sent its handshake held one of the server's connection slots
// for as long as it kept ENet alive, so eight such peers could lock every player out.
TEST(Transport, PeerThatNeverSendsItsHandshakeIsDroppedAndItsSlotFreed) {
    Loopback net;
    RakPeerInterface* server = net.AddServer(1);
    server->SetTimeoutTime(500, UNASSIGNED_SYSTEM_ADDRESS);
    RawEnetHost silent;
    silent.Connect(Loopback::PortOf(server), kProtocolTag);
    // The server's handshake arriving means the server holds the connection.
    ASSERT_EQ(silent.WaitFor(ENET_EVENT_TYPE_RECEIVE, 5000, [&] { net.Pump(); }).type,
              ENET_EVENT_TYPE_RECEIVE);

    // While it holds the only slot, a player is refused ...
    RakPeerInterface* early = net.AddClient();
    ASSERT_EQ(early->Connect("127.0.0.1", Loopback::PortOf(server), nullptr, 0), CONNECTION_ATTEMPT_STARTED);
    ASSERT_TRUE(net.Until([&] {
        KeepAlive(silent);
        return net.Count(early, ID_NO_FREE_INCOMING_CONNECTIONS) == 1;
    }));

    // ... until the handshake time has passed and the silent peer is sent away.
    const ENetEvent dropped = silent.WaitFor(ENET_EVENT_TYPE_DISCONNECT, 5000, [&] { net.Pump(); });
    EXPECT_EQ(dropped.type, ENET_EVENT_TYPE_DISCONNECT);
    RakPeerInterface* player = net.AddClient();
    ASSERT_TRUE(net.Connect(player, server));
    EXPECT_EQ(net.Count(server, ID_NEW_INCOMING_CONNECTION), 1u);
}

// The same deadline on the client's side: a server that accepts the connection but never says who it is
// fails the attempt with 17 instead of leaving the client waiting for good.
TEST(Transport, ServerThatNeverSendsItsHandshakeFailsTheAttempt) {
    RawEnetHost silent(0, 2);
    Loopback net;
    RakPeerInterface* client = net.AddClient();
    client->SetTimeoutTime(500, UNASSIGNED_SYSTEM_ADDRESS);
    ASSERT_EQ(client->Connect("127.0.0.1", silent.Port(), nullptr, 0), CONNECTION_ATTEMPT_STARTED);
    ASSERT_TRUE(net.Until(
        [&] {
            KeepAlive(silent);
            return net.Count(client, ID_CONNECTION_ATTEMPT_FAILED) == 1;
        },
        5000));
    EXPECT_EQ(net.Count(client, ID_CONNECTION_REQUEST_ACCEPTED), 0u);
    EXPECT_EQ(client->NumberOfConnections(), 0u);
}
