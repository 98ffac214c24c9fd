#include "server/RequestBudget.h"

#include <iterator>

#include "protocol/MessageIds.h"

bool RequestBudget::Counts(unsigned char id) {
    switch (id) {
        case protocol::ID_PLAYER_LIST:
        case protocol::ID_LOBBY_STATE:
        case protocol::ID_START_GAME:
        case protocol::ID_JOIN_GAME:
        case protocol::ID_ANIMATION:
        case protocol::ID_USE_ABILITY:
        case protocol::ID_ROUND_TIME:
        case protocol::ID_SCORES:
        case protocol::ID_RUNE_STATE:
            return true;
        default:
            return false;
    }
}

bool RequestBudget::Take(const RakNet::RakNetGUID& guid) {
    double& used = m_used[guid];
    if (used + 1.0 > kBurst) {
        return false;
    }
    used += 1.0;
    return true;
}

void RequestBudget::Advance(double seconds) {
    if (!(seconds > 0.0)) {
        return;
    }
    for (auto it = m_used.begin(); it != m_used.end();) {
        it->second -= kPerSecond * seconds;
        it = it->second <= 0.0 ? m_used.erase(it) : std::next(it);
    }
}

void RequestBudget::Forget(const RakNet::RakNetGUID& guid) {
    m_used.erase(guid);
    m_overrun.erase(guid);
}
