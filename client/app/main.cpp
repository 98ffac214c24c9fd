// The game client Ombrin.
#include <cstdio>
#include <string>
#include <vector>

#include "client/app/ClientApplication.h"
#include "client/app/ClientOptions.h"
#include "client/net/ClientNetwork.h"

int main(int argc, char** argv) {
    const ClientOptionsResult parsed = ParseClientOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok) {
        std::fprintf(stderr, "Ombrin: %s\n%s", parsed.error.c_str(), kClientUsage);
        return 2;
    }
    // The one connection of the program; it outlives the application, which shuts it down.
    ClientNetwork network;
    ClientApplication application(MakeGameParts(network, parsed.options));
    application.Initialize();
    if (!parsed.options.frameLog.empty()) {
        application.OpenFrameLog(parsed.options.frameLog);
    }
    return application.Run();
}
