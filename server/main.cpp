// Quellhost: the dedicated game server. Listens on UDP 60000 until SIGINT or SIGTERM.
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "server/ServerApplication.h"

namespace {

constexpr const char* kUsage =
    "usage: Quellhost [--port N] [--time-scale F] [--frame-log FILE]\n"
    "  --port N          UDP port to listen on (default 60000; 0 picks a free port, printed on the PORT "
    "line)\n"
    "  --time-scale F    game time runs F times faster than the clock (0.01 to 100; for tests and\n"
    "                    benchmarks, default 1)\n"
    "  --frame-log FILE  write every frame's time and working time in milliseconds to FILE, and the\n"
    "                    transport's byte totals when the server stops\n"
    "  --help            show this text\n";

void OnSignal(int) {
    ServerApplication::RequestQuit();
}

bool ParsePort(const char* text, unsigned short& port) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || value > 65535 || text[0] == '-') {
        return false;
    }
    port = static_cast<unsigned short>(value);
    return true;
}

bool ParseTimeScale(const char* text, double& scale) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(value) || value < 0.01 || value > 100.0) {
        return false;
    }
    scale = value;
    return true;
}

struct Options {
    unsigned short port = kServerPort;
    double timeScale = 1.0;
    std::string frameLog;
};

// 0 to run, else the exit status (0 after --help, 2 after a bad argument).
int ParseOptions(int argc, char** argv, Options& options, bool& run) {
    run = false;
    // Every option but --help takes the argument after it.
    for (int i = 1; i < argc; i += 2) {
        const char* option = argv[i];
        if (std::strcmp(option, "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool good = false;
        if (std::strcmp(option, "--port") == 0) {
            good = value != nullptr && ParsePort(value, options.port);
        } else if (std::strcmp(option, "--time-scale") == 0) {
            good = value != nullptr && ParseTimeScale(value, options.timeScale);
        } else if (std::strcmp(option, "--frame-log") == 0) {
            good = value != nullptr && value[0] != '\0';
            if (good) {
                options.frameLog = value;
            }
        } else {
            std::fprintf(stderr, "Quellhost: unknown option %s\n%s", option, kUsage);
            return 2;
        }
        if (!good) {
            std::fprintf(stderr, "Quellhost: %s needs a valid value\n%s", option, kUsage);
            return 2;
        }
    }
    run = true;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool run = false;
    const int status = ParseOptions(argc, argv, options, run);
    if (!run) {
        return status;
    }
    // Console lines appear as they are printed, also when standard output is a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    ServerApplication application;
    if (!options.frameLog.empty() && !application.OpenFrameLog(options.frameLog)) {
        return 1;
    }
    application.SetTimeScale(options.timeScale);
    if (!application.Initialize(options.port)) {
        return 1;
    }
    application.Run();
    return 0;
}
