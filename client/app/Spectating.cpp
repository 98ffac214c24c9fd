#include "client/app/Spectating.h"

#include <cstddef>

void Spectating::Reset() {
    *this = Spectating();
}

void Spectating::RoundStarted() {
    m_next = false;
    m_spectateDelay = kDelay;
}

void Spectating::UpdateLife(bool alive, double frameTime) {
    if (alive) {
        m_dead = false;
        m_index = -1;
    } else if (!m_dead) {
        m_dead = true;
        m_deathDelay = kDelay;
        m_spectateDelay = kDelay;
    }
    if (m_deathDelay > 0.0) {
        m_deathDelay -= frameTime;
    }
}

Spectating::Target Spectating::Follow(const std::vector<const Player*>& livingTeamMates, double frameTime) {
    if (m_spectateDelay >= 0.0) {
        m_spectateDelay -= frameTime;
        return {};
    }
    if (livingTeamMates.empty()) {
        return {};
    }
    if (m_index < 0 || static_cast<std::size_t>(m_index) >= livingTeamMates.size()) {
        m_index = 0;
    }
    Target target{livingTeamMates[static_cast<std::size_t>(m_index)], m_next};
    m_next = false;
    return target;
}

void Spectating::Advance() {
    ++m_index;
    m_next = true;
}
