// Two scripted clients play through the real server program over UDP: connect, lobby, start, join on
// opposite teams, see each other's movement, and one leaves.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedClient.h"
#include "ServerProcess.h"
#include "protocol/ClientMessages.h"
#include "protocol/SendParameters.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerLobbyMessages.h"
#include "protocol/ServerMovementMessages.h"
#include "raknet/MessageIdentifiers.h"
#include "raknet/RakPeerInterface.h"

using namespace RakNet;

namespace {

constexpr int kTimeoutMs = kProcessTimeoutMs;

std::optional<protocol::PlayerListEntry> FindEntry(const protocol::PlayerListMessage& list,
                                                   const RakNetGUID& guid) {
    for (const protocol::PlayerListEntry& entry : list.players) {
        if (entry.guid == guid) {
            return entry;
        }
    }
    return std::nullopt;
}

// The position updates about one player index.
std::vector<protocol::PositionUpdateMessage> UpdatesAbout(const ScriptedClient& client, std::int32_t index) {
    std::vector<protocol::PositionUpdateMessage> about;
    for (const auto& update : client.Received<protocol::PositionUpdateMessage>()) {
        if (update.playerIndex == index) {
            about.push_back(update);
        }
    }
    return about;
}

struct Report {
    protocol::Vec3 position;
    protocol::Vec3 direction;
};

// The update shows the reported ground position (four significant digits) and facing (two).
bool Shows(const protocol::PositionUpdateMessage& update, const Report& report) {
    const auto near = [](float value, float expected, float relative) {
        return std::fabs(value - expected) <= relative * std::max(1.0f, std::fabs(expected));
    };
    return near(protocol::UnpackPosition(update.x), report.position.x, 1e-3f) &&
           near(protocol::UnpackPosition(update.z), report.position.z, 1e-3f) &&
           near(protocol::UnpackDirection(update.directionX), report.direction.x, 0.02f) &&
           near(protocol::UnpackDirection(update.directionZ), report.direction.z, 0.02f);
}

}  // namespace

TEST(MatchProcess, TwoClientsJoinOppositeTeamsSeeEachOtherMoveAndOneLeaves) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--port", "0"}));
    const unsigned short port = server.ReadPort(kTimeoutMs);
    ASSERT_NE(port, 0) << server.Output();

    ScriptedClient alice;
    ScriptedClient bob;
    const std::vector<ScriptedClient*> both{&alice, &bob};
    ASSERT_TRUE(alice.Connect(port));
    ASSERT_TRUE(bob.Connect(port));
    ASSERT_TRUE(PumpUntil(both, [&] {
        return alice.ReceivedId(ID_CONNECTION_REQUEST_ACCEPTED) &&
               bob.ReceivedId(ID_CONNECTION_REQUEST_ACCEPTED);
    }));
    alice.Send(protocol::PlayerListRequest{}, protocol::PlayerListRequestSendParameters(false));
    bob.Send(protocol::PlayerListRequest{}, protocol::PlayerListRequestSendParameters(false));

    // Lobby: each sees both choices.
    alice.Send(protocol::LobbyChoiceReport{0, 1, 1, "Alice", true});
    bob.Send(protocol::LobbyChoiceReport{1, 2, 2, "Bob", true});
    const auto lobbyOfTwo = [](const ScriptedClient& client) {
        const auto lobbies = client.Received<protocol::LobbyStateMessage>();
        return !lobbies.empty() && lobbies.back().members.size() == 2;
    };
    ASSERT_TRUE(PumpUntil(both, [&] { return lobbyOfTwo(alice) && lobbyOfTwo(bob); }));

    // Start, then join on opposite teams.
    alice.Send(protocol::StartGameRequest{});
    ASSERT_TRUE(PumpUntil(both, [&] {
        return alice.ReceivedId(protocol::ID_START_GAME) && bob.ReceivedId(protocol::ID_START_GAME);
    }));
    alice.Send(protocol::JoinGameRequest{"Alice", 0, 1, 1});
    bob.Send(protocol::JoinGameRequest{"Bob", 1, 2, 2});
    const auto rosterOfTwo = [](const ScriptedClient& client) {
        const auto lists = client.Received<protocol::PlayerListMessage>();
        return !lists.empty() && lists.back().players.size() == 2;
    };
    ASSERT_TRUE(PumpUntil(both, [&] { return rosterOfTwo(alice) && rosterOfTwo(bob); }));
    const protocol::PlayerListMessage roster = alice.Received<protocol::PlayerListMessage>().back();
    const auto aliceEntry = FindEntry(roster, alice.Guid());
    const auto bobEntry = FindEntry(roster, bob.Guid());
    ASSERT_TRUE(aliceEntry && bobEntry);
    EXPECT_EQ(aliceEntry->team, 1);
    EXPECT_EQ(bobEntry->team, 2);
    EXPECT_EQ(bobEntry->name, "Bob");
    EXPECT_EQ(bobEntry->character, 1);
    EXPECT_EQ(bob.Received<protocol::PlayerListMessage>().back(), roster);
    EXPECT_FALSE(server.WaitForLine("Connection 127.0.0.1|", kTimeoutMs).empty()) << server.Output();

    // Movement: each reports a step away from where the server seated it, and sees the other's report in the
    // server's position updates.
    const auto stepFrom = [](const protocol::PlayerListEntry& entry, float dx, float dz,
                             protocol::Vec3 facing) {
        return Report{{entry.position.x + dx, entry.position.y, entry.position.z + dz}, facing};
    };
    const Report aliceReport = stepFrom(*aliceEntry, 1.25f, -2.5f, {0.0f, 0.0f, 1.0f});
    const Report bobReport = stepFrom(*bobEntry, -3.0f, 4.5f, {0.6f, 0.0f, -0.8f});
    const auto report = [&] {
        alice.Send(protocol::PlayerPositionReport{aliceReport.position});
        alice.Send(protocol::PlayerDirectionReport{aliceReport.direction});
        bob.Send(protocol::PlayerPositionReport{bobReport.position});
        bob.Send(protocol::PlayerDirectionReport{bobReport.direction});
    };
    const auto seesReported = [](const ScriptedClient& client, std::int32_t index, const Report& expected) {
        int showing = 0;
        for (const auto& update : UpdatesAbout(client, index)) {
            showing += Shows(update, expected) ? 1 : 0;
        }
        return showing >= 3;
    };
    ASSERT_TRUE(PumpUntil(
        both,
        [&] {
            return seesReported(alice, bobEntry->playerIndex, bobReport) &&
                   seesReported(bob, aliceEntry->playerIndex, aliceReport);
        },
        report))
        << "updates about Bob seen by Alice: " << UpdatesAbout(alice, bobEntry->playerIndex).size();

    // Bob leaves: Alice is told he left.
    bob.Leave();
    const auto bobLeft = [&] {
        for (const auto& message : alice.Received<protocol::PlayerJoinedLeftMessage>()) {
            if (message == protocol::PlayerJoinedLeftMessage{"Bob", 3}) {
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(PumpUntil({&alice}, bobLeft));
    EXPECT_FALSE(server.WaitForLine("A client has disconnected (1)", kTimeoutMs).empty()) << server.Output();

    server.Signal(SIGTERM);
    EXPECT_EQ(server.WaitForExit(kTimeoutMs), 0);
}
