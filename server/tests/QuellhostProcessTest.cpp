// The real server program, driven as a player's client and a host's console would.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

#include "ServerProcess.h"
#include "protocol/ServerConnectionMessages.h"
#include "raknet/MessageIdentifiers.h"
#include "raknet/RakPeerInterface.h"

using namespace RakNet;

namespace {

// A client peer that remembers everything it received.
struct TestClient {
    TestClient() {
        peer = RakPeerInterface::GetInstance();
        SocketDescriptor descriptor(0, nullptr);
        peer->Startup(1, &descriptor, 1);
    }
    ~TestClient() { RakPeerInterface::DestroyInstance(peer); }

    // Receives until a packet with the identifier arrives; keeps it in last.
    bool WaitFor(unsigned char id, int timeoutMs) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            while (Packet* packet = peer->Receive()) {
                const bool match = packet->length > 0 && packet->data[0] == id;
                if (match) {
                    last.assign(packet->data, packet->data + packet->length);
                    lastGuid = packet->guid;
                }
                peer->DeallocatePacket(packet);
                if (match) {
                    return true;
                }
            }
            peer->WaitForIncoming(5);
        }
        return false;
    }

    template <typename Message>
    bool Decode(Message& message) const {
        BitStream stream(last.data(), static_cast<unsigned>(last.size()), false);
        return protocol::Read(stream, message);
    }

    RakPeerInterface* peer = nullptr;
    std::vector<unsigned char> last;
    RakNetGUID lastGuid;
};

}  // namespace

class QuellhostSignal : public ::testing::TestWithParam<int> {};

TEST_P(QuellhostSignal, AnnouncesItselfWelcomesAClientAndShutsDownCleanly) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--port", "0"}));
    const std::string ipLine = server.WaitForLine("IP: ", 10000);
    ASSERT_FALSE(ipLine.empty()) << server.Output();
    SystemAddress printed;
    EXPECT_TRUE(printed.FromString(ipLine.substr(4).c_str())) << ipLine;
    const unsigned short port = server.ReadPort(5000);
    ASSERT_NE(port, 0) << server.Output();

    TestClient client;
    ASSERT_EQ(client.peer->Connect("127.0.0.1", port, nullptr, 0), CONNECTION_ATTEMPT_STARTED);
    ASSERT_TRUE(client.WaitFor(ID_CONNECTION_REQUEST_ACCEPTED, 10000));
    const RakNetGUID serverGuid = client.lastGuid;

    ASSERT_TRUE(client.WaitFor(protocol::ID_CONNECTION_COUNT, 5000));
    protocol::ConnectionCountMessage count;
    ASSERT_TRUE(client.Decode(count));
    EXPECT_EQ(count.connectionCount, 1u);
    EXPECT_EQ(count.connection, client.peer->GetMyGUID());

    ASSERT_TRUE(client.WaitFor(protocol::ID_LEVEL_NAME, 5000));
    protocol::LevelNameMessage level;
    ASSERT_TRUE(client.Decode(level));
    EXPECT_EQ(level.levelPath, "../Ombrin/Levels/NightTimeArena.ZMDL");
    EXPECT_FALSE(server.WaitForLine("A new connection is incoming (1)", 5000).empty());

    server.Signal(GetParam());
    ASSERT_TRUE(client.WaitFor(ID_DISCONNECTION_NOTIFICATION, 5000));
    EXPECT_EQ(client.lastGuid, serverGuid);
    EXPECT_EQ(server.WaitForExit(5000), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, QuellhostSignal, ::testing::Values(SIGINT, SIGTERM),
                         [](const ::testing::TestParamInfo<int>& signal) {
                             return signal.param == SIGINT ? "SIGINT" : "SIGTERM";
                         });

TEST(Quellhost, PortInUseIsAnErrorNotASilentServer) {
    RakPeerInterface* holder = RakPeerInterface::GetInstance();
    SocketDescriptor descriptor(0, nullptr);
    ASSERT_EQ(holder->Startup(1, &descriptor, 1), RAKNET_STARTED);
    const std::string taken = std::to_string(holder->GetMyBoundAddress().GetPort());

    ServerProcess server;
    ASSERT_TRUE(server.Start({"--port", taken}));
    EXPECT_EQ(server.WaitForExit(10000), 1);
    EXPECT_EQ(server.Output().find("IP: "), std::string::npos);
    RakPeerInterface::DestroyInstance(holder);
}

TEST(Quellhost, RejectsUnknownArguments) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--bogus"},
                                                      {"--port"},
                                                      {"--port", "70000"},
                                                      {"--port", "12x"},
                                                      {"--port", "-1"},
                                                      {"--time-scale", "0"},
                                                      {"--time-scale", "nan"},
                                                      {"--time-scale", "1000"},
                                                      {"--frame-log", ""}}) {
        ServerProcess server;
        ASSERT_TRUE(server.Start(arguments));
        EXPECT_EQ(server.WaitForExit(10000), 2) << arguments.back();
    }
}

TEST(Quellhost, HelpDescribesTheOptionsAndExits) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--help"}));
    EXPECT_EQ(server.WaitForExit(10000), 0);
    for (const char* option : {"--port", "--time-scale", "--frame-log"}) {
        EXPECT_NE(server.Output().find(option), std::string::npos) << option;
    }
    EXPECT_EQ(server.Output().find("IP: "), std::string::npos);
}

TEST(Quellhost, FrameLogHoldsEveryFrameAndTheTransportTotals) {
    const std::string path = ::testing::TempDir() + "quellhost-frames.log";
    std::remove(path.c_str());
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--port", "0", "--frame-log", path}));
    const unsigned short port = server.ReadPort(10000);
    ASSERT_NE(port, 0);
    {
        TestClient client;
        ASSERT_EQ(client.peer->Connect("127.0.0.1", port, nullptr, 0), CONNECTION_ATTEMPT_STARTED);
        ASSERT_TRUE(client.WaitFor(protocol::ID_LEVEL_NAME, 10000));
    }
    server.Signal(SIGINT);
    ASSERT_EQ(server.WaitForExit(10000), 0);

    std::ifstream log(path);
    ASSERT_TRUE(log.good());
    std::string line;
    int frames = 0;
    std::string totals;
    while (std::getline(log, line)) {
        if (line.rfind("# transport ", 0) == 0) {
            totals = line;
        } else if (line[0] != '#') {
            double frameMs = -1.0;
            double busyMs = -1.0;
            ASSERT_EQ(std::sscanf(line.c_str(), "%lf %lf", &frameMs, &busyMs), 2) << line;
            EXPECT_GE(frameMs, 0.0);
            EXPECT_GE(busyMs, 0.0);
            ++frames;
        }
    }
    EXPECT_GT(frames, 0);
    unsigned long long sent = 0;
    unsigned long long received = 0;
    const char* fields = std::strstr(totals.c_str(), "sent_bytes=");
    ASSERT_NE(fields, nullptr) << totals;
    ASSERT_EQ(std::sscanf(fields, "sent_bytes=%llu received_bytes=%llu", &sent, &received), 2) << totals;
    EXPECT_GT(sent, 0u);  // the welcome messages
    EXPECT_GT(received, 0u);
    std::remove(path.c_str());
}

TEST(Quellhost, UnwritableFrameLogIsRefused) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--port", "0", "--frame-log", "/nonexistent-folder/frames.log"}));
    EXPECT_EQ(server.WaitForExit(10000), 1);
    EXPECT_EQ(server.Output().find("IP: "), std::string::npos);
}
