#include "tools/bots/BotOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

// Whole decimal numbers only: no sign, no spaces, no trailing text, within [low, high].
bool ParseWhole(const std::string& text, unsigned long long low, unsigned long long high,
                unsigned long long& value) {
    if (text.empty() || text.size() > 19) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    value = std::strtoull(text.c_str(), nullptr, 10);
    return value >= low && value <= high;
}

bool ParseSeconds(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end == text.c_str() + text.size() && std::isfinite(value) && value >= 0.0;
}

ParseResult Fail(std::string message) {
    ParseResult result;
    result.error = std::move(message);
    return result;
}

}  // namespace

const char* BotUsage() {
    return "usage: Ombrin-bots --count N [--host ADDRESS] [--port P] [--team red|blue|auto] [--seed S]\n"
           "                   [--duration SECONDS] [--matches M] [--name PREFIX]\n"
           "  --count N      bot players to connect, 1 to 8, each on its own connection\n"
           "  --host         server address (default 127.0.0.1)\n"
           "  --port         server UDP port (default 60000)\n"
           "  --team         team every bot asks for; auto alternates red and blue (default auto)\n"
           "  --seed         seed for characters, tools and behaviour (default 1)\n"
           "  --duration     leave after this many seconds (default: run until stopped)\n"
           "  --matches      leave once the level after the M-th finished match is joined (default: never)\n"
           "  --name         name prefix of the bots (default Bot)\n";
}

ParseResult ParseBotOptions(const std::vector<std::string>& arguments) {
    ParseResult result;
    BotOptions& options = result.options;
    bool countGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& flag = arguments[i];
        if (flag == "--help" || flag == "-h") {
            result.outcome = ParseOutcome::Help;
            return result;
        }
        if (i + 1 >= arguments.size()) {
            return Fail(flag.rfind("--", 0) == 0 ? "missing value after " + flag
                                                 : "unknown argument " + flag);
        }
        const std::string& value = arguments[++i];
        unsigned long long number = 0;
        if (flag == "--count") {
            if (!ParseWhole(value, 1, 8, number)) {
                return Fail("--count takes a whole number from 1 to 8, not '" + value + "'");
            }
            options.count = static_cast<int>(number);
            countGiven = true;
        } else if (flag == "--host") {
            if (value.empty()) {
                return Fail("--host takes an address");
            }
            options.host = value;
        } else if (flag == "--port") {
            if (!ParseWhole(value, 1, 65535, number)) {
                return Fail("--port takes a port from 1 to 65535, not '" + value + "'");
            }
            options.port = static_cast<unsigned short>(number);
        } else if (flag == "--team") {
            if (value == "auto") {
                options.team = kAutomaticTeam;
            } else if (value == "red") {
                options.team = kRedTeam;
            } else if (value == "blue") {
                options.team = kBlueTeam;
            } else {
                return Fail("--team takes red, blue or auto, not '" + value + "'");
            }
        } else if (flag == "--seed") {
            if (!ParseWhole(value, 0, 0xFFFFFFFFull, number)) {
                return Fail("--seed takes a whole number from 0 to 4294967295, not '" + value + "'");
            }
            options.seed = static_cast<std::uint32_t>(number);
        } else if (flag == "--duration") {
            if (!ParseSeconds(value, options.duration)) {
                return Fail("--duration takes seconds (0 or more), not '" + value + "'");
            }
        } else if (flag == "--matches") {
            if (!ParseWhole(value, 0, 1000, number)) {
                return Fail("--matches takes a whole number from 0 to 1000, not '" + value + "'");
            }
            options.matches = static_cast<int>(number);
        } else if (flag == "--name") {
            if (value.empty() || value.size() > 24) {
                return Fail("--name takes 1 to 24 characters");
            }
            options.name = value;
        } else {
            return Fail("unknown argument " + flag);
        }
    }
    if (!countGiven) {
        return Fail("--count is required");
    }
    result.outcome = ParseOutcome::Run;
    return result;
}
