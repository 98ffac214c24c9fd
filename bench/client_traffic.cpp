// A headless game client for traffic figures: ClientNetwork, exactly as the game client drives it, joins a
// server as a blue player, wanders a little once it plays, follows the match into the next level, and prints
// the traffic report of its logger every five seconds, then the averages.
//   client_traffic --port P [--seconds S]      (default 60 s)
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "client/net/ClientNetwork.h"

namespace {

struct Options {
    unsigned short port = 0;
    double seconds = 60.0;
};

bool Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        char* end = nullptr;
        if (std::strcmp(argv[i], "--port") == 0) {
            const unsigned long port = std::strtoul(argv[i + 1], &end, 10);
            if (*end != '\0' || port == 0 || port > 65535) {
                return false;
            }
            options.port = static_cast<unsigned short>(port);
        } else if (std::strcmp(argv[i], "--seconds") == 0) {
            options.seconds = std::strtod(argv[i + 1], &end);
            if (*end != '\0' || !(options.seconds > 0.0)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.port != 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: client_traffic --port P [--seconds S]\n");
        return 2;
    }
    ClientNetwork network;
    network.SetPlayerName("Watcher");
    if (!network.Initialize() ||
        network.Connect("127.0.0.1", options.port) != RakNet::CONNECTION_ATTEMPT_STARTED) {
        std::fprintf(stderr, "client_traffic: cannot connect to port %u\n", options.port);
        return 1;
    }

    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    auto last = started;
    bool playing = false;
    double wander = 0.0;
    double inSum = 0.0;
    double outSum = 0.0;
    int reports = 0;
    double lastReportIn = -1.0;
    double lastReportOut = -1.0;
    while (std::chrono::duration<double>(Clock::now() - started).count() < options.seconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const auto now = Clock::now();
        const double dt = std::chrono::duration<double>(now - last).count();
        last = now;
        network.DropUnreadEvents();
        network.Update(dt);

        if (network.connectionStatus == kConnectionAccepted) {
            network.connectionStatus = kNoConnectionEvent;
            network.EnterState(true);
            network.SendLobbyChoice(0, 0, 2, true);
        }
        if (network.connectionStatus == kConnectionFailed || network.serverLost) {
            std::fprintf(stderr, "client_traffic: the server is gone\n");
            break;
        }
        if (network.events.gameStarted.Take()) {
            network.SendFinalChoice(0, 0, 2);
            network.EnterState(false);
            playing = true;
        }
        if (network.events.newLevel.Take() && playing) {
            playing = false;
            network.EnterState(true);
            network.SendLobbyChoice(0, 0, 2, true);
        }
        if (playing) {
            // Small steps on a circle: well inside what the server accepts between two reports.
            wander += dt;
            protocol::Vec3 position = network.LocalPosition();
            position.x += static_cast<float>(std::cos(wander) * dt);
            position.z += static_cast<float>(std::sin(wander) * dt);
            network.SetLocalPosition(position);
            network.SetLocalDirection(
                {static_cast<float>(std::cos(wander)), 0.0f, static_cast<float>(std::sin(wander))});
        }

        const TrafficReport& report = NetworkLogger::lastReport;
        if (report.inBytesPerSecond != lastReportIn || report.outBytesPerSecond != lastReportOut) {
            lastReportIn = report.inBytesPerSecond;
            lastReportOut = report.outBytesPerSecond;
            std::printf("%5.1f s  in %7.0f B/s  out %6.0f B/s  %s\n",
                        std::chrono::duration<double>(now - started).count(), report.inBytesPerSecond,
                        report.outBytesPerSecond, playing ? "playing" : "lobby");
            if (playing) {
                inSum += report.inBytesPerSecond;
                outSum += report.outBytesPerSecond;
                ++reports;
            }
        }
    }
    const RakNet::TransportTotals totals = network.GetTransportTotals();
    const double elapsed = std::chrono::duration<double>(Clock::now() - started).count();
    if (reports > 0) {
        std::printf("client traffic counters while playing (%d windows): in %.0f B/s, out %.0f B/s\n",
                    reports, inSum / reports, outSum / reports);
    }
    std::printf("client transport totals over %.0f s: in %.0f B/s, out %.0f B/s\n", elapsed,
                static_cast<double>(totals.bytesReceived) / elapsed,
                static_cast<double>(totals.bytesSent) / elapsed);
    network.Shutdown();
    return 0;
}
