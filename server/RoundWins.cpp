#include "server/RoundWins.h"

std::int32_t RoundWins::Get(std::int32_t team) const {
    const auto found = m_wins.find(team);
    return found != m_wins.end() ? found->second : 0;
}

bool RoundWins::AnyAbove(std::int32_t wins) const {
    for (const auto& [team, won] : m_wins) {
        if (won > wins) {
            return true;
        }
    }
    return false;
}

std::int32_t RoundWins::Leader() const {
    std::int32_t leader = -1;
    std::int32_t most = -1;
    for (const auto& [team, won] : m_wins) {
        if (won > most) {
            leader = team;
            most = won;
        }
    }
    return leader;
}

protocol::ScoresMessage RoundWins::ToScores() const {
    protocol::ScoresMessage message;
    for (const auto& [team, won] : m_wins) {
        message.scores.push_back(protocol::ScoreEntry{team, won});
    }
    return message;
}
