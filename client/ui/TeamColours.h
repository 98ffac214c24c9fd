// The colours that stand for the two teams in the heads-up display's texts (red in the lowest byte, as every
// text colour): the round scores, the countdown, the round winner and the names on the death board.
#pragma once

#include <cstdint>

#include "protocol/GameFacts.h"

inline constexpr std::uint32_t kRedTeamColour = 0xFF0700B6u;
inline constexpr std::uint32_t kBlueTeamColour = 0xFFB71300u;

// The colour of the red or the blue team; any other team gives fallback.
constexpr std::uint32_t TeamColour(int team, std::uint32_t fallback) {
    if (team == kRedTeam) {
        return kRedTeamColour;
    }
    if (team == kBlueTeam) {
        return kBlueTeamColour;
    }
    return fallback;
}
