// The real Quellhost with seven bot players (two Ombrin-bots processes) playing a match while one client
// attacks it (HostileClient: garbage and cut-short messages of every identifier, overpromising counts,
// 65535-byte names, NaN and infinite numbers, teleports, abilities out of range, about a thousand requests
// a second) and, once the server is full, fifty connection attempts and eight half-open connections flood
// it. The match must end as if nothing had happened: the bots agree on every round, every kill notice and
// the winner, and the notices add up with the attacker's own; the flood gets nowhere; the server keeps its
// memory and its frame rate (figures printed) and stops cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "BotProcess.h"
#include "ConnectionFlood.h"
#include "GameFolder.h"
#include "HostileClient.h"
#include "MatchReport.h"
#include "ServerProcess.h"
#include "TestArena.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMatchTimeoutMs = 420000;
constexpr int kProcessTimeoutMs = 15000;
// Game time runs this much faster, so that rounds, countdowns and sudden death come sooner.
constexpr const char* kTimeScale = "3";
constexpr int kAttacksPerSecond = 1000;
constexpr int kFloodAttempts = 50;
constexpr int kHalfOpen = 8;
// Limits for the server under attack (an AddressSanitizer build, on a machine shared with other work).
constexpr double kPeakMemoryLimitMb = 1024.0;
constexpr double kFrameTimeP99LimitMs = 100.0;

struct AttackReport {
    double seconds = 0.0;
    std::uint64_t messages = 0;
    bool flooded = false;
    int floodAccepted = 0;
    int floodRefused = 0;
    bool floodSettled = false;
};

// The server's console lines about connections, for failure messages.
std::string ConnectionLines(const std::string& output) {
    std::string lines;
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = std::min(output.find('\n', start), output.size());
        const std::string line = output.substr(start, end - start);
        if (line.find("onnection") != std::string::npos && line.find("choosen") == std::string::npos) {
            lines += line + "\n";
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

TEST(HostileTraffic, BotsFinishTheirMatchWhileAClientAttacksAndConnectionsFlood) {
    GameFolder game;
    ASSERT_TRUE(game.IsReady() && InstallTestArena(game));
    const std::string frameLog = (game.Root() / "frames.log").string();

    ServerProcess server;
    ASSERT_TRUE(server.Start({"--port", "0", "--time-scale", kTimeScale, "--frame-log", frameLog},
                             game.WorkingDirectory()));
    const unsigned short port = server.ReadPort(kProcessTimeoutMs);
    ASSERT_NE(port, 0) << server.Output();

    // The attacker is the first connection, so that it sees every kill notice of the match.
    HostileClient hostile(77);
    ASSERT_TRUE(hostile.Connect(port));
    const auto connectBy = Clock::now() + std::chrono::milliseconds(kProcessTimeoutMs);
    while (!hostile.Pump() && Clock::now() < connectBy) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_TRUE(hostile.IsConnected());
    hostile.Join();

    BotProcess red;
    BotProcess blue;
    ASSERT_TRUE(red.StartTeam("red", 3, port, 31, game.WorkingDirectory()));
    ASSERT_TRUE(blue.StartTeam("blue", 4, port, 42, game.WorkingDirectory()));

    std::atomic<bool> stop{false};
    AttackReport attack;
    std::thread attacker([&] {
        const auto started = Clock::now();
        std::unique_ptr<ConnectionFlood> flood;
        Clock::time_point floodStarted;
        std::uint64_t attacks = 0;
        while (!stop) {
            hostile.Pump();
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
            const auto due = static_cast<std::uint64_t>(elapsed.count()) * kAttacksPerSecond / 1000;
            for (int burst = 0; attacks < due && burst < 50; ++burst, ++attacks) {
                hostile.Attack();
            }
            // Keep the server's console flowing (waiting a millisecond or two for it), and flood once all
            // eight connections are in.
            server.WaitForLine("\x7f", 2);
            const bool full = server.Output().find("A new connection is incoming (8)") != std::string::npos;
            if (!attack.flooded && (full || elapsed > std::chrono::seconds(60))) {
                attack.flooded = true;
                flood = std::make_unique<ConnectionFlood>(port, kFloodAttempts, kHalfOpen);
                floodStarted = Clock::now();
            }
            if (flood) {
                flood->Pump();
                if (flood->Settled() || Clock::now() - floodStarted > std::chrono::seconds(30)) {
                    attack.floodSettled = flood->Settled();
                    attack.floodAccepted = flood->Accepted();
                    attack.floodRefused = flood->Refused();
                    flood.reset();
                }
            }
        }
        attack.seconds = std::chrono::duration<double>(Clock::now() - started).count();
        attack.messages = hostile.MessagesSent();
    });

    const int redStatus = red.WaitForExit(kMatchTimeoutMs);
    const int blueStatus = blue.WaitForExit(kProcessTimeoutMs);
    stop = true;
    attacker.join();
    const double peakMb = PeakResidentMegabytes(server.Pid());
    hostile.Pump();
    hostile.Leave();
    server.Signal(SIGTERM);
    const int serverStatus = server.WaitForExit(kProcessTimeoutMs);

    ASSERT_TRUE(redStatus == 0 && blueStatus == 0)
        << "red " << redStatus << ", blue " << blueStatus << "; the attacker: " << hostile.Standing() << "\n"
        << red.Output() << blue.Output() << ConnectionLines(server.Output());
    for (const BotProcess* bots : {&red, &blue}) {
        EXPECT_NE(bots->Output().find("MATCH WON "), std::string::npos) << bots->Output();
        EXPECT_NE(bots->Output().find("NEXT LEVEL JOINED"), std::string::npos) << bots->Output();
    }

    // Nobody lost anything: the bots agree with each other and with the attacker's own record.
    const MatchSummary match = CheckBotsAgree({red.Output(), blue.Output()}, 7);
    EXPECT_TRUE(hostile.SawMatchEnd());
    EXPECT_EQ(hostile.Notices(), match.notices);
    EXPECT_EQ(hostile.NoticeDigest(), match.digest);
    EXPECT_EQ(match.botDeaths + hostile.Deaths(), match.notices) << "every notice is one death";
    EXPECT_EQ(match.botKills + hostile.Kills(), match.enemyKills) << "every kill by a player is counted once";
    EXPECT_GT(match.notices, 0);

    // The flood met a full server: every attempt refused, none half-accepted.
    EXPECT_TRUE(attack.flooded) << ConnectionLines(server.Output());
    EXPECT_TRUE(attack.floodSettled) << ConnectionLines(server.Output());
    EXPECT_EQ(attack.floodAccepted, 0);
    EXPECT_EQ(attack.floodRefused, kFloodAttempts);

    // The server counted real connections only and stopped cleanly.
    EXPECT_EQ(server.Output().find("(-"), std::string::npos) << "a connection count went below zero";
    EXPECT_EQ(serverStatus, 0) << server.Output().substr(0, 4000);

    const double rate = attack.seconds > 0.0 ? static_cast<double>(attack.messages) / attack.seconds : 0.0;
    std::printf("attack: %.0f s, %llu messages (%.0f per second); flood: %d accepted, %d refused\n",
                attack.seconds, static_cast<unsigned long long>(attack.messages), rate, attack.floodAccepted,
                attack.floodRefused);
    std::printf("server: peak resident memory %.0f MB\n", peakMb);
    EXPECT_GT(rate, kAttacksPerSecond * 0.9);
    EXPECT_GT(peakMb, 0.0);
    EXPECT_LT(peakMb, kPeakMemoryLimitMb);
    const std::optional<FrameSummary> frames = SummarizeFrameLog(frameLog);
    ASSERT_TRUE(frames.has_value()) << "no frame log at " << frameLog;
    std::printf("server frames: %s\n", Describe(*frames).c_str());
    EXPECT_LT(frames->p99Ms, kFrameTimeP99LimitMs) << Describe(*frames);
}
