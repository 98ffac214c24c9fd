// ClientNetwork against the real Quellhost program over UDP, with a scripted client as the other player:
// handshake and roster, the lobby mirrored, start and join, movement reports seen by the other player, a
// shuriken appearing and vanishing on its hit, rounds and the match, the next level, Disconnect and Connect
// again, and the server's loss.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <system_error>

#include "GameFolder.h"
#include "ScriptedClient.h"
#include "ServerProcess.h"
#include "client/net/ClientNetwork.h"

namespace fs = std::filesystem;
using namespace protocol;

namespace {

constexpr int kMatchTimeoutMs = 150000;
constexpr std::int32_t kMegaShuriken = 3;

// <temp>/bin is the server's working directory, <temp>/Ombrin its data: two one-on-one levels and the
// models the server takes collision shapes from.
class DuelFolder : public GameFolder {
public:
    DuelFolder() {
        const std::string level =
            "Level\n# entity lines: 3\n# box line count: 0\nspawnPoint_1 -5 0 0 0 0 0\nspawnPoint_2 5 0 0 0 "
            "0 0\n";
        bool written = IsReady() && Write("Settings/ServerLevels.cfg", "DuelOne.ZMDL\nDuelTwo.ZMDL\n") &&
                       Write("Levels/DuelOne.ZMDL", level) && Write("Levels/DuelTwo.ZMDL", level);
        for (const char* ninja : {"Ninja1Shape.ZMD", "Ninja2Shape.ZMD", "Ninja3Shape.ZMD"}) {
            written = written && SaveBoxModel(ninja, {0.5f, 1.2f, 0.5f}, {0.0f, 1.0f, 0.0f});
        }
        written = written && SaveBoxModel("MegaShuriken_Shape.ZMD", {0.5f, 0.1f, 0.5f});
        EXPECT_TRUE(written) << "cannot write the game folder";
    }
};

// Frames of the client (about 100 a second, with its real frame time) and pumps of the scripted client,
// running step each frame, until done holds or timeoutMs passes.
bool RunUntil(
    ClientNetwork& network, ScriptedClient& other, const std::function<bool()>& done,
    const std::function<void()>& step = [] {}, int timeoutMs = kProcessTimeoutMs) {
    const auto start = std::chrono::steady_clock::now();
    auto last = start;
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(timeoutMs)) {
        step();
        other.Pump(10);
        const auto now = std::chrono::steady_clock::now();
        network.Update(std::chrono::duration<double>(now - last).count());
        last = now;
        if (done()) {
            return true;
        }
    }
    return false;
}

class ClientNetworkProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Start({"--port", "0"}, game.WorkingDirectory()));
        port = server.ReadPort(kProcessTimeoutMs);
        ASSERT_NE(port, 0) << server.Output();
        network.SetLogSink([this](std::string_view line) { log += std::string(line) + "\n"; });
        ASSERT_TRUE(network.Initialize());
    }
    void TearDown() override {
        network.Shutdown();
        if (server.Pid() > 0) {
            server.Signal(SIGTERM);
            server.WaitForExit(kProcessTimeoutMs);
        }
    }
    bool ConnectBoth() {
        network.SetConnectionStatus(kConnecting);
        bool accepted = false;
        return network.Connect("127.0.0.1", port) == RakNet::CONNECTION_ATTEMPT_STARTED &&
               other.Connect(port) && RunUntil(network, other, [&] {
                   accepted = accepted || network.connectionStatus == kConnectionAccepted;
                   return accepted && other.ReceivedId(RakNet::ID_CONNECTION_REQUEST_ACCEPTED);
               });
    }

    DuelFolder game;
    ServerProcess server;
    unsigned short port = 0;
    ClientNetwork network;
    ScriptedClient other;
    std::string log;
};

}  // namespace

TEST_F(ClientNetworkProcess, LobbyJoinMovementShurikenRoundsMatchAndNextLevel) {
    ASSERT_TRUE(ConnectBoth()) << log << server.Output();
    EXPECT_TRUE(network.connected);
    EXPECT_EQ(network.serverAddress, "127.0.0.1");

    // Lobby: each side sees the other's choice.
    network.SetPlayerName("Client");
    network.SendLobbyChoice(1, 2, 2, true);
    other.Send(PlayerListRequest{}, PlayerListRequestSendParameters(false));
    other.Send(LobbyChoiceReport{0, 0, 1, "Scripted", false});
    ASSERT_TRUE(RunUntil(network, other, [&] {
        return network.lobbyPlayers.size() == 1 && network.lobbyPlayers[0].name == "Scripted";
    })) << log;
    EXPECT_FALSE(network.AllLobbyPlayersReady());
    other.Send(LobbyChoiceReport{0, 0, 1, "Scripted", true});
    ASSERT_TRUE(RunUntil(network, other, [&] { return network.AllLobbyPlayersReady(); }));
    const auto lobbySeen = [&] {
        for (const auto& lobby : other.Received<LobbyStateMessage>()) {
            for (const auto& member : lobby.members) {
                if (member.name == "Client" && member.character == 1 && member.teamChoice == 2) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(lobbySeen());

    // Start and join: the roster holds both players on their teams.
    network.SendStartRequest();
    ASSERT_TRUE(RunUntil(network, other, [&] { return network.events.gameStarted.Pending(); }));
    network.SendFinalChoice(1, 2, 2);
    other.Send(JoinGameRequest{"Scripted", 0, 0, 1});
    ASSERT_TRUE(RunUntil(network, other, [&] {
        return network.remotePlayers.size() == 1 && network.localPlayer.team == 2 &&
               network.localPlayer.alive;
    })) << log;
    EXPECT_EQ(network.GetTeam(other.Guid()), 1);
    EXPECT_EQ(network.localPlayer.name, "Client");
    const int myIndex = network.localPlayer.playerIndex;

    // Each player stands at its team's spawn point.
    EXPECT_EQ(network.localPlayer.position.x, 5.0f);
    EXPECT_EQ(network.GetPlayer(other.Guid()).position.x, -5.0f);

    // Movement reports reach the server and come back to the other player compressed.
    const Vec3 start = network.localPlayer.position;
    network.SetLocalPosition({start.x, start.y, start.z + 0.25f});
    ASSERT_TRUE(RunUntil(network, other, [&] {
        for (const auto& update : other.Received<PositionUpdateMessage>()) {
            if (update.playerIndex == myIndex &&
                std::abs(UnpackPosition(update.z) - (start.z + 0.25f)) < 0.01f) {
                return true;
            }
        }
        return false;
    })) << log;

    // A mega shuriken thrown by the other player appears in this client's list and goes on its hit.
    other.Send(PlayerDirectionReport{{1.0f, 0.0f, 0.0f}});
    other.Send(UseAbilityRequest{kMegaShuriken, 0.0f});
    bool appeared = false;
    ASSERT_TRUE(RunUntil(network, other, [&] {
        appeared = appeared || !network.shurikens.Entries().empty();
        return appeared && network.shurikens.Entries().empty();
    })) << log;
    // The health travels on another channel than the removal: it may come a little later.
    EXPECT_TRUE(RunUntil(network, other, [&] {
        return network.localPlayer.health < network.localPlayer.maxHealth;
    })) << log;

    // The other player keeps throwing until the match is won; each round is counted.
    auto lastThrow = std::chrono::steady_clock::now();
    const auto fight = [&] {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastThrow > std::chrono::milliseconds(150)) {
            lastThrow = now;
            other.Send(PlayerDirectionReport{{1.0f, 0.0f, 0.0f}});
            other.Send(UseAbilityRequest{kMegaShuriken, 0.0f});
        }
    };
    ASSERT_TRUE(RunUntil(
        network, other, [&] { return network.matchOver; }, fight, kMatchTimeoutMs))
        << log << server.Output();
    EXPECT_EQ(network.matchWinner, 1);
    EXPECT_EQ(network.redRoundWins, 3);
    EXPECT_EQ(network.lastRoundWinner, 1);
    // The client's traffic over the match, from its logger's latest five-second window.
    const TrafficReport& traffic = NetworkLogger::lastReport;
    EXPECT_GT(traffic.outBytesPerSecond, 0.0);
    std::cout << "client traffic: in " << traffic.inBytesPerSecond << " B/s, out "
              << traffic.outBytesPerSecond << " B/s\n"
              << traffic.inMessageTable << traffic.outMessageTable;

    // The next level: the client asks for the roster again and gets it.
    const int rosters = network.RosterNumber();
    ASSERT_TRUE(RunUntil(
        network, other, [&] { return network.events.newLevel.Pending() && network.RosterNumber() > rosters; },
        [] {}, 30000))
        << log;
    EXPECT_EQ(network.GetLevelName(), "../Ombrin/Levels/DuelTwo.ZMDL");
    EXPECT_FALSE(network.matchOver);
    EXPECT_EQ(network.redRoundWins, 0);

    // Disconnect and connect again with the same instance.
    network.Disconnect();
    EXPECT_EQ(network.GetLevelName(), kDefaultLevel);
    EXPECT_EQ(network.Connect("127.0.0.1", port), RakNet::CONNECTION_ATTEMPT_STARTED);
    ASSERT_TRUE(RunUntil(network, other, [&] { return network.connected; })) << log;
}

TEST_F(ClientNetworkProcess, ServerGoneIsReportedAndRecorded) {
    ASSERT_TRUE(ConnectBoth()) << log;
    server.Signal(SIGKILL);
    server.WaitForExit(kProcessTimeoutMs);
    bool gone = false;
    ASSERT_TRUE(RunUntil(
        network, other,
        [&] {
            gone = gone || network.connectionStatus == kServerGone;
            return gone;
        },
        [] {}, 30000))
        << log;
    EXPECT_TRUE(network.serverLost);
    EXPECT_FALSE(network.connected);
}

TEST(ClientNetworkNoServer, AttemptToAnEmptyPortFails) {
    ClientNetwork network;
    ASSERT_TRUE(network.Initialize());
    ScriptedClient idle;
    // A port nobody listens on: the attempt gives up after 12 tries 500 ms apart.
    ASSERT_EQ(network.Connect("127.0.0.1", 9), RakNet::CONNECTION_ATTEMPT_STARTED);
    const auto start = std::chrono::steady_clock::now();
    bool failed = false;
    ASSERT_TRUE(RunUntil(
        network, idle,
        [&] {
            failed = failed || network.connectionStatus == kConnectionFailed;
            return failed;
        },
        [] {}, 20000));
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GT(waited, 4.0);
    EXPECT_FALSE(network.connected);
    network.Shutdown();
}
