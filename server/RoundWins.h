// The rounds each team has won in the current match, in team order. A round in which nobody was left alive
// is counted for team -1 like any team.
#pragma once

#include <cstdint>
#include <map>

#include "protocol/ServerRoundMessages.h"

class RoundWins {
public:
    void Clear() { m_wins.clear(); }
    void Add(std::int32_t team) { ++m_wins[team]; }
    std::int32_t Get(std::int32_t team) const;
    // True when some team has won more than wins rounds.
    bool AnyAbove(std::int32_t wins) const;
    // The team with the most wins, the lowest team number on a tie; -1 before any round was won.
    std::int32_t Leader() const;
    // ID_SCORES: team and rounds won, in ascending team order; no entries before the first round ends.
    protocol::ScoresMessage ToScores() const;

private:
    std::map<std::int32_t, std::int32_t> m_wins;
};
