// The command line of Ombrin-bots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/GameFacts.h"

struct BotOptions {
    std::string host = "127.0.0.1";
    unsigned short port = kServerPort;
    int count = 0;                       // bot players, one connection each (1..8)
    std::int32_t team = kAutomaticTeam;  // the team every bot asks for
    std::uint32_t seed = 1;              // bot choices and behaviour are repeatable for a seed
    double duration = 0.0;               // seconds before the bots leave; 0 = until stopped
    int matches = 0;                     // leave once the level after this many matches is joined; 0 = never
    std::string name = "Bot";            // name prefix; bots are "<name>1", "<name>2", ...
};

enum class ParseOutcome { Run, Help, Error };

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::Error;
    BotOptions options;
    std::string error;  // set with ParseOutcome::Error
};

ParseResult ParseBotOptions(const std::vector<std::string>& arguments);
const char* BotUsage();
