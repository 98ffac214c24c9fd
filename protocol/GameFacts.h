// What the server, the client and the bots agree on besides the messages themselves: the server's port, the
// team numbers that messages carry, and how many ninjas and tools a player chooses from.
#pragma once

#include <cstdint>

inline constexpr unsigned short kServerPort = 60000;

// The team numbers of every message that carries a team. A team request of 0 lets the server choose.
enum TeamNumber : std::int32_t {
    kAutomaticTeam = 0,
    kRedTeam = 1,
    kBlueTeam = 2,
};

inline constexpr std::int32_t kCharacterCount = 3;
inline constexpr std::int32_t kToolCount = 4;
