// The server's connection events in process, with real clients on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <vector>

#include "protocol/ServerConnectionMessages.h"
#include "raknet/MessageIdentifiers.h"
#include "server/ServerApplication.h"

using namespace RakNet;

namespace {

class ServerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.Initialize(0));
        port = app.GetNetwork().GetPeer()->GetMyBoundAddress().GetPort();
        app.GetNetwork().GetPeer()->SetTimeoutTime(500, UNASSIGNED_SYSTEM_ADDRESS);
    }
    void TearDown() override {
        for (RakPeerInterface* client : clients) {
            RakPeerInterface::DestroyInstance(client);
        }
        app.GetNetwork().Shutdown();
    }

    RakPeerInterface* Connect() {
        RakPeerInterface* client = RakPeerInterface::GetInstance();
        SocketDescriptor descriptor(0, nullptr);
        client->Startup(1, &descriptor, 1);
        client->Connect("127.0.0.1", port, nullptr, 0);
        clients.push_back(client);
        return client;
    }

    // Runs server frames and drains the clients until done() holds.
    bool RunUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            app.GetNetwork().WaitForPackets(1);
            app.Update();
            for (RakPeerInterface* client : clients) {
                while (Packet* packet = client->Receive()) {
                    inbox[client].emplace_back(packet->data, packet->data + packet->length);
                    client->DeallocatePacket(packet);
                }
            }
            if (done()) {
                return true;
            }
        }
        return false;
    }

    std::vector<protocol::ConnectionCountMessage> Counts(RakPeerInterface* client) {
        std::vector<protocol::ConnectionCountMessage> counts;
        for (const auto& bytes : inbox[client]) {
            BitStream stream(bytes.data(), static_cast<unsigned>(bytes.size()), false);
            protocol::ConnectionCountMessage count;
            if (bytes[0] == protocol::ID_CONNECTION_COUNT && protocol::Read(stream, count)) {
                counts.push_back(count);
            }
        }
        return counts;
    }

    bool Received(RakPeerInterface* client, unsigned char id) {
        for (const auto& bytes : inbox[client]) {
            if (bytes[0] == id) {
                return true;
            }
        }
        return false;
    }

    ServerApplication app;
    unsigned short port = 0;
    std::vector<RakPeerInterface*> clients;
    std::map<RakPeerInterface*, std::vector<std::vector<unsigned char>>> inbox;
};

}  // namespace

TEST_F(ServerFixture, FirstFrameOnlyTakesTheTimeBase) {
    RakPeerInterface* client = Connect();
    for (int i = 0; i < 20; ++i) {
        client->WaitForIncoming(5);
    }
    app.Update();
    EXPECT_EQ(app.GetNetwork().GetConnectionCount(), 0);
    ASSERT_TRUE(RunUntil([&] { return app.GetNetwork().GetConnectionCount() == 1; }));
}

TEST_F(ServerFixture, ConnectionsAreCountedAndAnnounced) {
    RakPeerInterface* first = Connect();
    ASSERT_TRUE(RunUntil([&] { return Received(first, protocol::ID_LEVEL_NAME); }));
    ASSERT_EQ(Counts(first).size(), 1u);
    EXPECT_EQ(Counts(first)[0], (protocol::ConnectionCountMessage{1, first->GetMyGUID()}));

    // A second arrival is announced to everybody; its orderly departure too.
    RakPeerInterface* second = Connect();
    ASSERT_TRUE(
        RunUntil([&] { return Counts(first).size() == 2 && Received(second, protocol::ID_LEVEL_NAME); }));
    EXPECT_EQ(Counts(first)[1], (protocol::ConnectionCountMessage{2, second->GetMyGUID()}));
    second->CloseConnection(app.GetNetwork().GetPeer()->GetMyGUID(), true);
    ASSERT_TRUE(RunUntil([&] { return Counts(first).size() == 3; }));
    EXPECT_EQ(Counts(first)[2], (protocol::ConnectionCountMessage{1, second->GetMyGUID()}));
    EXPECT_EQ(app.GetNetwork().GetConnectionCount(), 1);

    // A lost connection is counted but not announced.
    RakPeerInterface* vanishing = Connect();
    ASSERT_TRUE(RunUntil([&] { return Counts(first).size() == 4; }));
    vanishing->Shutdown(0);
    ASSERT_TRUE(RunUntil([&] { return app.GetNetwork().GetConnectionCount() == 1; }));
    RunUntil([] { return false; }, 200);
    EXPECT_EQ(Counts(first).size(), 4u);
}

TEST_F(ServerFixture, UnattendedServerWaitsLongForInputAndKeepsThePaceOnceSomebodyConnects) {
    EXPECT_EQ(app.InputWaitMS(), ServerApplication::kUnattendedWaitMS);
    Connect();
    ASSERT_TRUE(RunUntil([&] { return app.GetNetwork().GetConnectionCount() == 1; }));
    EXPECT_EQ(app.InputWaitMS(), ServerApplication::kIdleWaitMS);
}
