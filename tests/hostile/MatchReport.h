// What the bot players of a match report when they leave (their STATS lines), checked for agreement, and
// what the server's frame log and memory say about how it coped.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The match as every bot saw it. CheckBotsAgree fails the test when the bots disagree.
struct MatchSummary {
    std::size_t bots = 0;
    std::string rounds;  // winners of the rounds, one digit each
    char matchWinner = '?';
    int notices = 0;           // kill notices
    int enemyKills = 0;        // notices whose killer is another player
    std::uint64_t digest = 0;  // of the notices in order
    int botDeaths = 0;         // sums over the bots
    int botKills = 0;
};

// Parses the STATS lines in the bots' outputs. Every bot must have seen the same round winners and match
// winner, the same kill notices in the same order, and must have joined both levels.
MatchSummary CheckBotsAgree(const std::vector<std::string>& outputs, std::size_t expectedBots);

struct FrameSummary {
    std::size_t frames = 0;
    double seconds = 0.0;  // sum of the frame times
    double medianMs = 0.0;
    double p99Ms = 0.0;
    double maxMs = 0.0;
    double busyP99Ms = 0.0;  // time a frame spent working
    double busyMaxMs = 0.0;
    // The transport's totals of the whole run (the log's last line).
    double sentMegabytes = 0.0;
    double receivedMegabytes = 0.0;
    double FramesPerSecond() const { return seconds > 0.0 ? static_cast<double>(frames) / seconds : 0.0; }
};

// Reads a server frame log (lines "frame_ms busy_ms", "#" comments); nothing when it holds no frame.
std::optional<FrameSummary> SummarizeFrameLog(const std::string& path);
std::string Describe(const FrameSummary& frames);

// The peak resident memory of a running process in MB (VmHWM), 0 when it cannot be read.
double PeakResidentMegabytes(pid_t pid);
