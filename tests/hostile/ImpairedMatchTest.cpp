// Eight bot players (two Ombrin-bots processes) and the real Quellhost play a whole match on a network that
// loses 10 % of the datagrams, duplicates 2 % and delays every one by 50 ms (plus up to 10 ms), in each
// direction: OMBRIN_NET_IMPAIR, which every process reads when its transport starts. The match must still
// end with the bots agreeing on every round and the winner, and on every kill notice of the match, in order.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

#include "BotProcess.h"
#include "GameFolder.h"
#include "MatchReport.h"
#include "ServerProcess.h"
#include "TestArena.h"

namespace {

constexpr int kMatchTimeoutMs = 420000;
constexpr int kProcessTimeoutMs = 15000;
constexpr const char* kTimeScale = "3";
constexpr const char* kImpairment = "loss=0.1,dup=0.02,delay=50,jitter=10,seed=3";

// Sends the standard error of the processes started while it lives to a file.
class ChildStandardError {
public:
    explicit ChildStandardError(const std::string& path) {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (file >= 0) {
            dup2(file, STDERR_FILENO);
            close(file);
        }
    }
    ~ChildStandardError() {
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
    }
    ChildStandardError(const ChildStandardError&) = delete;
    ChildStandardError& operator=(const ChildStandardError&) = delete;

private:
    int m_saved = -1;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

int CountOccurrences(const std::string& text, const std::string& word) {
    int count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

TEST(ImpairedNetwork, EightBotsFinishAMatchThroughLossDuplicationAndDelay) {
    GameFolder game;
    ASSERT_TRUE(game.IsReady() && InstallTestArena(game));
    const std::string errors = (game.Root() / "stderr.log").string();
    setenv("OMBRIN_NET_IMPAIR", kImpairment, 1);

    ServerProcess server;
    BotProcess red;
    BotProcess blue;
    unsigned short port = 0;
    {
        const ChildStandardError redirect(errors);
        ASSERT_TRUE(server.Start({"--port", "0", "--time-scale", kTimeScale}, game.WorkingDirectory()));
        port = server.ReadPort(kProcessTimeoutMs);
        ASSERT_TRUE(red.StartTeam("red", 4, port, 13, game.WorkingDirectory()));
        ASSERT_TRUE(blue.StartTeam("blue", 4, port, 24, game.WorkingDirectory()));
    }
    unsetenv("OMBRIN_NET_IMPAIR");
    ASSERT_NE(port, 0) << server.Output();

    const int redStatus = red.WaitForExit(kMatchTimeoutMs);
    const int blueStatus = blue.WaitForExit(kProcessTimeoutMs);
    server.Signal(SIGTERM);
    const int serverStatus = server.WaitForExit(kProcessTimeoutMs);
    const std::string said = ReadFile(errors);

    // Every process ran on the impaired network.
    EXPECT_EQ(CountOccurrences(said, "OMBRIN_NET_IMPAIR: loss 0.1, duplicates 0.02, delay 50 ms"), 3) << said;
    ASSERT_EQ(redStatus, 0) << red.Output() << blue.Output() << said;
    ASSERT_EQ(blueStatus, 0) << blue.Output() << red.Output() << said;
    for (const BotProcess* bots : {&red, &blue}) {
        EXPECT_NE(bots->Output().find("MATCH WON "), std::string::npos) << bots->Output();
        EXPECT_NE(bots->Output().find("NEXT LEVEL JOINED"), std::string::npos) << bots->Output();
    }
    const MatchSummary match = CheckBotsAgree({red.Output(), blue.Output()}, 8);
    EXPECT_EQ(match.botDeaths, match.notices) << "every notice is one death";
    EXPECT_EQ(match.botKills, match.enemyKills) << "every kill by a player is counted once";
    EXPECT_GT(match.notices, 0);
    EXPECT_EQ(serverStatus, 0) << server.Output() << said;
}
