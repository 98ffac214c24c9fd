// A whole match through the real server program over UDP: two teams of scripted clients fight with
// abilities aimed at each other until one team wins the match, and the server moves on to the next level
// of its rotation 15 s later. The server plays on a game folder of the test's own (two small levels and
// fixture models), so it does not depend on the generated data.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "GameFolder.h"
#include "ScriptedClient.h"
#include "ServerProcess.h"
#include "protocol/ClientMessages.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerLobbyMessages.h"
#include "protocol/ServerRoundMessages.h"
#include "raknet/MessageIdentifiers.h"

namespace fs = std::filesystem;
using RakNet::RakNetGUID;

namespace {

constexpr int kMatchTimeoutMs = 120000;
constexpr std::int32_t kMegaShuriken = 3;
constexpr std::int32_t kKunai = 11;

// Two red spawn points facing two blue ones ten units away across the x axis.
std::string ArenaLevel() {
    std::string text = "Level\n# entity lines: 5\n# box line count: 0\n";
    for (const char* line : {"spawnPoint_1 -5 0 0 0 0 0", "spawnPoint_1 -5 0 -3 0 0 0",
                             "spawnPoint_2 5 0 0 0 0 0", "spawnPoint_2 5 0 -3 0 0 0"}) {
        text += std::string(line) + "\n";
    }
    return text;
}

// Who each scripted client plays and how it fights.
struct Role {
    const char* name;
    std::int32_t character;
    std::int32_t team;
    std::int32_t ability;
    float facingX;
};

// Reds throw mega shurikens along +x, blues kunai along -x: each at the enemy across from it.
constexpr Role kRoles[] = {{"RedOne", 0, 1, kMegaShuriken, 1.0f},
                           {"RedTwo", 2, 1, kMegaShuriken, 1.0f},
                           {"BlueOne", 1, 2, kKunai, -1.0f},
                           {"BlueTwo", 0, 2, kKunai, -1.0f}};
constexpr std::size_t kFighters = std::size(kRoles);

bool AllReceived(const std::vector<ScriptedClient*>& clients, unsigned char id) {
    for (const ScriptedClient* client : clients) {
        if (!client->ReceivedId(id)) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(CombatProcess, TwoTeamsFightAMatchAndTheServerMovesToTheNextLevel) {
    // <temp>/bin is the server's working directory, <temp>/Ombrin its data: a level list naming two levels,
    // the levels and the models the server takes collision shapes from.
    GameFolder game;
    ASSERT_TRUE(game.IsReady());
    ASSERT_TRUE(game.Write("Settings/ServerLevels.cfg", "ArenaOne.ZMDL\nArenaTwo.ZMDL\n"));
    ASSERT_TRUE(game.Write("Levels/ArenaOne.ZMDL", ArenaLevel()));
    ASSERT_TRUE(game.Write("Levels/ArenaTwo.ZMDL", ArenaLevel()));
    for (const char* ninja : {"Ninja1Shape.ZMD", "Ninja2Shape.ZMD", "Ninja3Shape.ZMD"}) {
        ASSERT_TRUE(game.SaveBoxModel(ninja, {0.5f, 1.2f, 0.5f}, {0.0f, 1.0f, 0.0f}));
    }
    ASSERT_TRUE(game.SaveBoxModel("MegaShuriken_Shape.ZMD", {0.5f, 0.1f, 0.5f}));
    ASSERT_TRUE(game.SaveBoxModel("KunaiShape.ZMD", {0.1f, 0.1f, 0.3f}));

    ServerProcess server;
    ASSERT_TRUE(server.Start({"--port", "0"}, game.WorkingDirectory()));
    const unsigned short port = server.ReadPort(kProcessTimeoutMs);
    ASSERT_NE(port, 0) << server.Output();

    std::array<ScriptedClient, kFighters> fighters;
    std::vector<ScriptedClient*> clients;
    for (ScriptedClient& fighter : fighters) {
        ASSERT_TRUE(fighter.Connect(port));
        clients.push_back(&fighter);
    }
    ASSERT_TRUE(
        PumpUntil(clients, [&] { return AllReceived(clients, RakNet::ID_CONNECTION_REQUEST_ACCEPTED); }));

    // Lobby, start, join.
    for (std::size_t i = 0; i < kFighters; ++i) {
        fighters[i].Send(protocol::PlayerListRequest{}, protocol::PlayerListRequestSendParameters(false));
        fighters[i].Send(
            protocol::LobbyChoiceReport{kRoles[i].character, 0, kRoles[i].team, kRoles[i].name, true});
    }
    const auto lobbyOfAll = [&] {
        for (const ScriptedClient* client : clients) {
            const auto lobbies = client->Received<protocol::LobbyStateMessage>();
            if (lobbies.empty() || lobbies.back().members.size() != kFighters) {
                return false;
            }
        }
        return true;
    };
    ASSERT_TRUE(PumpUntil(clients, lobbyOfAll));
    fighters[0].Send(protocol::StartGameRequest{});
    ASSERT_TRUE(PumpUntil(clients, [&] { return AllReceived(clients, protocol::ID_START_GAME); }));
    for (std::size_t i = 0; i < kFighters; ++i) {
        fighters[i].Send(protocol::JoinGameRequest{kRoles[i].name, kRoles[i].character, 0, kRoles[i].team});
    }
    const auto rosterOfAll = [&] {
        for (const ScriptedClient* client : clients) {
            const auto lists = client->Received<protocol::PlayerListMessage>();
            if (lists.empty() || lists.back().players.size() != kFighters) {
                return false;
            }
        }
        return true;
    };
    ASSERT_TRUE(PumpUntil(clients, rosterOfAll));
    std::map<RakNetGUID, std::int32_t> teamOf;
    const protocol::PlayerListMessage roster = fighters[0].Received<protocol::PlayerListMessage>().back();
    for (const auto& entry : roster.players) {
        teamOf[entry.guid] = entry.team;
    }
    for (std::size_t i = 0; i < kFighters; ++i) {
        EXPECT_EQ(teamOf[fighters[i].Guid()], kRoles[i].team) << kRoles[i].name;
    }

    // Fight: every tenth of a second each client faces its enemy and uses its ability. Dead players' requests
    // are dropped by the server; after a round everybody is revived.
    auto lastVolley = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    const auto fight = [&] {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastVolley < std::chrono::milliseconds(100)) {
            return;
        }
        lastVolley = now;
        for (std::size_t i = 0; i < kFighters; ++i) {
            fighters[i].Send(protocol::PlayerDirectionReport{{kRoles[i].facingX, 0.0f, 0.0f}});
            fighters[i].Send(protocol::UseAbilityRequest{kRoles[i].ability, 0.0f});
        }
    };
    ASSERT_TRUE(PumpUntil(
        clients, [&] { return AllReceived(clients, protocol::ID_MATCH_WON); }, fight, kMatchTimeoutMs))
        << server.Output();
    const auto matchWon = std::chrono::steady_clock::now();

    // Every hit was the enemy's: health went down, and each kill was by an enemy with its own ability.
    const ScriptedClient& observer = fighters[0];
    int hurt = 0;
    for (const auto& health : observer.Received<protocol::PlayerHealthMessage>()) {
        hurt += health.health < 100.0f ? 1 : 0;
    }
    EXPECT_GT(hurt, 0);
    const auto kills = observer.Received<protocol::KillNoticeMessage>();
    EXPECT_GE(kills.size(), 6u) << "both enemies in each of at least three rounds";
    for (const auto& kill : kills) {
        EXPECT_NE(teamOf[kill.victim], teamOf[kill.killer]);
        EXPECT_EQ(kill.ability, teamOf[kill.killer] == 1 ? 0 : kKunai);
    }
    // The match goes to the team that won the most rounds.
    std::map<std::int32_t, int> roundWins;
    for (const auto& won : observer.Received<protocol::RoundWonMessage>()) {
        ++roundWins[won.winningTeam];
    }
    ASSERT_FALSE(roundWins.empty());
    const auto leader = std::max_element(roundWins.begin(), roundWins.end(),
                                         [](const auto& a, const auto& b) { return a.second < b.second; });
    const auto matchWinner = observer.Received<protocol::MatchWonMessage>();
    ASSERT_EQ(matchWinner.size(), 1u);
    EXPECT_EQ(matchWinner[0].winningTeam, leader->first);
    EXPECT_TRUE(leader->second == 3 || observer.Received<protocol::RoundWonMessage>().size() == 5u);

    // Fifteen seconds later the next level of the rotation.
    ASSERT_TRUE(PumpUntil(
        clients, [&] { return AllReceived(clients, protocol::ID_NEW_LEVEL); }, [] {}, 30000));
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - matchWon).count();
    EXPECT_GT(waited, 14.0);
    EXPECT_LT(waited, 20.0);
    for (const ScriptedClient* client : clients) {
        EXPECT_EQ(client->Received<protocol::NewLevelMessage>(),
                  std::vector<protocol::NewLevelMessage>{{"../Ombrin/Levels/ArenaTwo.ZMDL"}});
    }

    server.Signal(SIGTERM);
    EXPECT_EQ(server.WaitForExit(kProcessTimeoutMs), 0);
}
