#include "server/RoundOutcome.h"

#include <set>

std::optional<std::int32_t> RoundWinner(const std::vector<PlayerRecord>& players) {
    std::set<std::int32_t> teams;
    std::set<std::int32_t> livingTeams;
    for (const PlayerRecord& player : players) {
        teams.insert(player.team);
        if (player.alive) {
            livingTeams.insert(player.team);
        }
    }
    if (teams.size() < 2 || livingTeams.size() >= 2) {
        return std::nullopt;
    }
    for (const PlayerRecord& player : players) {
        if (player.alive) {
            return player.team;
        }
    }
    return -1;
}
