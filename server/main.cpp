// Quellhost: the dedicated game server. Listens on UDP 60000 until SIGINT or SIGTERM.
//   Quellhost [--port N]    N = 0 picks a free port (printed on the "PORT: " line)
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "server/ServerApplication.h"

namespace {

void OnSignal(int) {
    ServerApplication::RequestQuit();
}

bool ParsePort(const char* text, unsigned short& port) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || value > 65535) {
        return false;
    }
    port = static_cast<unsigned short>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned short port = kServerPort;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc && ParsePort(argv[i + 1], port)) {
            ++i;
        } else {
            std::fprintf(stderr, "usage: Quellhost [--port N]\n");
            return 2;
        }
    }
    // Console lines appear as they are printed, also when standard output is a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    ServerApplication application;
    if (!application.Initialize(port)) {
        return 1;
    }
    application.Run();
    return 0;
}
