// Ombrin-bots: connects bot players to a game server, each on its own connection, and plays until stopped,
// until --duration passes or after --matches matches. One console line per match event; one STATS line per
// bot at the end. A bot whose connection fails or is lost says so on standard error and the rest play on;
// the program then exits with status 1 ("BOTS LOST n"), or at once when every bot is gone ("SERVER GONE").
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "shared/ConsoleLog.h"
#include "tools/bots/BotOptions.h"
#include "tools/bots/BotSession.h"

namespace {

volatile std::sig_atomic_t g_quit = 0;

void OnSignal(int) {
    g_quit = 1;
}

// How long the bots keep playing on the next level before leaving after their last match.
constexpr double kLingerSeconds = 3.0;

void PrintStats(const BotSession& bot) {
    const BotStats& s = bot.Stats();
    LogInfo(
        "STATS %s team=%d kills=%d deaths=%d serverKills=%d serverDeaths=%d notices=%d enemyKills=%d "
        "digest=%016llx rounds=%s matches=%s levels=%d abilities=%d rejections=%d respawns=%d dashes=%d "
        "inBytes=%.0f outBytes=%.0f transportInBytes=%.0f transportOutBytes=%.0f snapshots=%s\n",
        bot.Name().c_str(), bot.Team(), s.kills, s.deaths, s.serverKills, s.serverDeaths, s.killNotices,
        s.enemyKills, static_cast<unsigned long long>(s.noticeDigest),
        s.roundWinners.empty() ? "-" : s.roundWinners.c_str(),
        s.matchWinners.empty() ? "-" : s.matchWinners.c_str(), s.levelsJoined, s.abilitiesUsed,
        s.positionRejections, s.respawns, s.dashes, s.inBytes, s.outBytes, s.transportInBytes,
        s.transportOutBytes, s.matchSnapshots.empty() ? "-" : s.matchSnapshots.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const ParseResult parsed = ParseBotOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.outcome == ParseOutcome::Help) {
        std::fputs(BotUsage(), stdout);
        return 0;
    }
    if (parsed.outcome == ParseOutcome::Error) {
        std::fprintf(stderr, "Ombrin-bots: %s\n%s", parsed.error.c_str(), BotUsage());
        return 2;
    }
    const BotOptions& options = parsed.options;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);

    std::mt19937 random(options.seed);
    std::vector<std::unique_ptr<BotSession>> bots;
    for (int i = 0; i < options.count; ++i) {
        BotSetup setup;
        setup.name = options.name + std::to_string(i + 1);
        setup.character = static_cast<std::int32_t>(random() % 3);
        setup.tool = static_cast<std::int32_t>(random() % 4);
        setup.teamRequest =
            options.team != kAutomaticTeam ? options.team : (i % 2 == 0 ? kRedTeam : kBlueTeam);
        setup.seed = static_cast<std::uint32_t>(random());
        setup.startWhenLobbyHas = i == 0 ? options.count : 0;
        bots.push_back(std::make_unique<BotSession>(setup));
        if (!bots.back()->Connect(options.host, options.port)) {
            LogProblem("Ombrin-bots: cannot connect to %s port %u\n", options.host.c_str(), options.port);
            return 1;
        }
    }
    bots.front()->onEvent = [](const std::string& line) { LogInfo("%s\n", line.c_str()); };

    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    auto last = started;
    double lingering = -1.0;
    int status = 0;
    while (!g_quit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const auto now = Clock::now();
        const double dt = std::chrono::duration<double>(now - last).count();
        last = now;
        std::size_t gone = 0;
        bool allThrough = options.matches > 0;
        for (const auto& bot : bots) {
            bot->Update(dt);
            if (bot->IsGone()) {
                ++gone;  // a bot that lost its connection no longer holds the others back
                continue;
            }
            allThrough =
                allThrough && bot->MatchesFinished() >= options.matches && bot->PlayingAfterNewLevel();
        }
        if (gone == bots.size()) {
            LogInfo("SERVER GONE\n");
            status = 1;
            break;
        }
        if (allThrough && lingering < 0.0) {
            LogInfo("NEXT LEVEL JOINED\n");
            lingering = 0.0;
        }
        if (lingering >= 0.0 && (lingering += dt) > kLingerSeconds) {
            break;
        }
        if (options.duration > 0.0 &&
            std::chrono::duration<double>(now - started).count() > options.duration) {
            break;
        }
    }
    const auto lost = std::count_if(bots.begin(), bots.end(), [](const auto& bot) { return bot->IsGone(); });
    if (status == 0 && lost > 0) {
        LogInfo("BOTS LOST %td\n", lost);
        status = 1;
    }
    for (const auto& bot : bots) {
        bot->Leave();
        PrintStats(*bot);
    }
    return status;
}
