// Eight bot players (two Ombrin-bots processes, four red and four blue) against the real Quellhost over UDP:
// they play a whole match, follow ID_NEW_LEVEL back through the lobby into the next level and leave. Every
// bot must have seen the same round winners and the same kill notices, the kills and deaths must add up, and
// the server must still be running afterwards. The server plays on a game folder of the test's own: two small
// arenas with a tall pillar in the middle, so the bots have to look and walk around it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "BotProcess.h"
#include "GameFolder.h"
#include "ServerProcess.h"
#include "StatsLines.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMatchTimeoutMs = 480000;
constexpr int kProcessTimeoutMs = 15000;

// Four red spawns west and four blue spawns east of a tall 2 x 2 pillar.
std::string PillarArena() {
    std::string text = "Level\n# entity lines: 9\n# box line count: 1\nBox_1 0 2 0 0 0 0 1 2 1\n";
    for (const char* z : {"-4", "-1.5", "1.5", "4"}) {
        text += std::string("spawnPoint_1 -10 0 ") + z + " 0 0 0\n";
    }
    for (const char* z : {"-4", "-1.5", "1.5", "4"}) {
        text += std::string("spawnPoint_2 10 0 ") + z + " 0 0 0\n";
    }
    return text;
}

}  // namespace

TEST(BotMatch, EightBotsPlayAMatchAndFollowTheServerToTheNextLevel) {
    GameFolder game;
    ASSERT_TRUE(game.IsReady());
    game.Write("Settings/ServerLevels.cfg", "ArenaOne.ZMDL\nArenaTwo.ZMDL\n");
    game.Write("Levels/ArenaOne.ZMDL", PillarArena());
    game.Write("Levels/ArenaTwo.ZMDL", PillarArena());
    for (const char* ninja : {"Ninja1Shape.ZMD", "Ninja2Shape.ZMD", "Ninja3Shape.ZMD"}) {
        ASSERT_TRUE(game.SaveBoxModel(ninja, {0.5f, 1.2f, 0.5f}));
    }
    ASSERT_TRUE(game.SaveBoxModel("shurikenShape.ZMD", {0.2f, 0.1f, 0.2f}));
    ASSERT_TRUE(game.SaveBoxModel("MegaShuriken_Shape.ZMD", {0.5f, 0.1f, 0.5f}));
    ASSERT_TRUE(game.SaveBoxModel("KunaiShape.ZMD", {0.1f, 0.1f, 0.3f}));
    ASSERT_TRUE(game.SaveBoxModel("TessenShape.ZMD", {0.4f, 0.1f, 0.4f}));

    ServerProcess server;
    // Game time runs three times faster: rounds still end in fights, and the test takes a third of the time.
    ASSERT_TRUE(server.Start({"--port", "0", "--time-scale", "3"}, game.WorkingDirectory()));
    const unsigned short port = server.ReadPort(kProcessTimeoutMs);
    ASSERT_NE(port, 0) << server.Output();

    BotProcess red;
    BotProcess blue;
    ASSERT_TRUE(red.StartTeam("red", 4, port, 11, game.WorkingDirectory()));
    ASSERT_TRUE(blue.StartTeam("blue", 4, port, 22, game.WorkingDirectory()));
    ASSERT_EQ(red.WaitForExit(kMatchTimeoutMs), 0) << red.Output() << blue.Output();
    ASSERT_EQ(blue.WaitForExit(kProcessTimeoutMs), 0) << blue.Output() << red.Output();

    for (const BotProcess* bots : {&red, &blue}) {
        EXPECT_NE(bots->Output().find("MATCH WON "), std::string::npos) << bots->Output();
        EXPECT_NE(bots->Output().find("LEVEL ../Ombrin/Levels/ArenaTwo.ZMDL"), std::string::npos);
        EXPECT_NE(bots->Output().find("NEXT LEVEL JOINED"), std::string::npos);
    }
    auto stats = StatsLines(red.Output());
    for (auto& line : StatsLines(blue.Output())) {
        stats.push_back(line);
    }
    ASSERT_EQ(stats.size(), 8u) << red.Output() << blue.Output();

    // Everybody saw the same first match: its round winners, its kill notices in the same order, its winner.
    const std::string rounds = stats[0]["rounds"].substr(0, stats[0]["rounds"].find('|'));
    const std::vector<std::string> first = FirstMatch(stats[0]["snapshots"]);
    ASSERT_EQ(first.size(), 5u) << stats[0]["snapshots"];
    int kills = 0;
    int deaths = 0;
    std::map<std::string, int> teams;
    for (auto& bot : stats) {
        SCOPED_TRACE(bot["name"]);
        EXPECT_EQ(bot["rounds"].substr(0, bot["rounds"].find('|')), rounds);
        EXPECT_EQ(bot["matches"].substr(0, 1), stats[0]["matches"].substr(0, 1));
        const std::vector<std::string> match = FirstMatch(bot["snapshots"]);
        ASSERT_EQ(match.size(), 5u);
        EXPECT_EQ(match[2], first[2]) << "kill notices";
        EXPECT_EQ(match[3], first[3]) << "kills by players";
        EXPECT_EQ(match[4], first[4]) << "kill notice digest";
        kills += std::stoi(match[0]);
        deaths += std::stoi(match[1]);
        EXPECT_EQ(bot["levels"], "2") << "joined both levels";
        ++teams[bot["team"]];
    }
    EXPECT_EQ(teams["1"], 4);
    EXPECT_EQ(teams["2"], 4);
    // Every notice is one death; every notice by another player is one kill.
    EXPECT_EQ(deaths, std::stoi(first[2]));
    EXPECT_EQ(kills, std::stoi(first[3]));
    EXPECT_GT(kills, 0);

    // Three round wins take the match, and the match goes to the team with most of them.
    std::map<char, int> wins;
    for (const char team : rounds) {
        ++wins[team];
    }
    const char winner = stats[0]["matches"][0];
    EXPECT_TRUE(wins[winner] == 3 || rounds.size() == 5u) << rounds;
    for (const auto& [team, count] : wins) {
        EXPECT_LE(count, wins[winner]) << rounds;
    }

    // The server is still up and ends cleanly.
    EXPECT_EQ(server.WaitForLine("never printed", 100), "");
    server.Signal(SIGTERM);
    EXPECT_EQ(server.WaitForExit(kProcessTimeoutMs), 0) << server.Output();
}
