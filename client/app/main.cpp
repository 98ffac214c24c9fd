// The game client Ombrin.
#include <cstdio>
#include <string>
#include <vector>

#include "client/app/ClientApplication.h"
#include "client/app/ClientOptions.h"

int main(int argc, char** argv) {
    const ClientOptionsResult parsed = ParseClientOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok) {
        std::fprintf(stderr, "Ombrin: %s\n%s", parsed.error.c_str(), kClientUsage);
        return 2;
    }
    ClientApplication application(MakeGameParts(parsed.options));
    application.Initialize();
    return application.Run();
}
