#include "MatchReport.h"

#include "StatsLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace {

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0.0;
    }
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(at), values.end());
    return values[at];
}

}  // namespace

MatchSummary CheckBotsAgree(const std::vector<std::string>& outputs, std::size_t expectedBots) {
    std::vector<std::map<std::string, std::string>> stats;
    for (const std::string& output : outputs) {
        for (auto& line : StatsLines(output)) {
            stats.push_back(std::move(line));
        }
    }
    MatchSummary summary;
    summary.bots = stats.size();
    EXPECT_EQ(stats.size(), expectedBots);
    if (stats.empty()) {
        return summary;
    }
    summary.rounds = stats[0]["rounds"].substr(0, stats[0]["rounds"].find('|'));
    summary.matchWinner = stats[0]["matches"].empty() ? '?' : stats[0]["matches"][0];
    const std::vector<std::string> first = FirstMatch(stats[0]["snapshots"]);
    EXPECT_EQ(first.size(), 5u) << "first match snapshot: " << stats[0]["snapshots"];
    if (first.size() == 5u) {
        summary.notices = std::stoi(first[2]);
        summary.enemyKills = std::stoi(first[3]);
        summary.digest = std::stoull(first[4], nullptr, 16);
    }
    for (auto& bot : stats) {
        SCOPED_TRACE(bot["name"]);
        EXPECT_EQ(bot["rounds"].substr(0, bot["rounds"].find('|')), summary.rounds);
        EXPECT_EQ(bot["matches"].substr(0, 1), std::string(1, summary.matchWinner));
        EXPECT_EQ(bot["levels"], "2") << "joined both levels";
        const std::vector<std::string> match = FirstMatch(bot["snapshots"]);
        if (match.size() != 5u || first.size() != 5u) {
            ADD_FAILURE() << "no snapshot of the first match: " << bot["snapshots"];
            continue;
        }
        EXPECT_EQ(match[2], first[2]) << "kill notices";
        EXPECT_EQ(match[3], first[3]) << "kills by players";
        EXPECT_EQ(match[4], first[4]) << "kill notice digest";
        summary.botKills += std::stoi(match[0]);
        summary.botDeaths += std::stoi(match[1]);
    }
    // Three round wins take the match, and the match goes to the team with the most of them.
    std::map<char, int> wins;
    for (const char team : summary.rounds) {
        ++wins[team];
    }
    EXPECT_TRUE(wins[summary.matchWinner] == 3 || summary.rounds.size() == 5u) << summary.rounds;
    for (const auto& [team, count] : wins) {
        EXPECT_LE(count, wins[summary.matchWinner]) << summary.rounds;
    }
    return summary;
}

std::optional<FrameSummary> SummarizeFrameLog(const std::string& path) {
    std::ifstream file(path);
    std::vector<double> frames;
    std::vector<double> busy;
    std::string line;
    double sent = 0.0;
    double received = 0.0;
    while (std::getline(file, line)) {
        double frame = 0.0;
        double work = 0.0;
        if (!line.empty() && line[0] != '#' && std::sscanf(line.c_str(), "%lf %lf", &frame, &work) == 2) {
            frames.push_back(frame);
            busy.push_back(work);
        }
        const std::size_t at = line.find("sent_bytes=");
        if (line.rfind("# transport", 0) == 0 && at != std::string::npos) {
            std::sscanf(line.c_str() + at, "sent_bytes=%lf received_bytes=%lf", &sent, &received);
        }
    }
    if (frames.empty()) {
        return std::nullopt;
    }
    FrameSummary summary;
    summary.frames = frames.size();
    for (const double frame : frames) {
        summary.seconds += frame / 1000.0;
    }
    summary.medianMs = Percentile(frames, 0.5);
    summary.p99Ms = Percentile(frames, 0.99);
    summary.maxMs = *std::max_element(frames.begin(), frames.end());
    summary.busyP99Ms = Percentile(busy, 0.99);
    summary.busyMaxMs = *std::max_element(busy.begin(), busy.end());
    summary.sentMegabytes = sent / 1e6;
    summary.receivedMegabytes = received / 1e6;
    return summary;
}

std::string Describe(const FrameSummary& frames) {
    char text[320];
    std::snprintf(
        text, sizeof(text),
        "%zu frames in %.1f s (%.0f frames/s); frame time median %.2f ms, p99 %.2f ms, max %.1f ms; "
        "working time p99 %.2f ms, max %.1f ms; sent %.1f MB, received %.1f MB",
        frames.frames, frames.seconds, frames.FramesPerSecond(), frames.medianMs, frames.p99Ms, frames.maxMs,
        frames.busyP99Ms, frames.busyMaxMs, frames.sentMegabytes, frames.receivedMegabytes);
    return text;
}

double PeakResidentMegabytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}
