#include "server/NormalState.h"

bool NormalState::Reset(int levelIndex) {
    const bool ok = GameState::Reset(levelIndex);
    ResetMatch();
    return ok;
}

bool NormalState::Initialize(RakNet::RakPeerInterface* peer, std::vector<std::string> levelList,
                             int levelIndex) {
    const bool ok = GameState::Initialize(peer, std::move(levelList), levelIndex);
    ResetMatch();
    return ok;
}

void NormalState::Update(double frameTime) {
    GameState::Update(frameTime);
}

void NormalState::ResetMatch() {
    m_roundsPerMatch = 5;
    m_currentRound = 1;
    m_roundCountdownLength = 10.0f;
    m_matchCountdownLength = 15.0f;
    m_countdownTimer = m_roundCountdownLength;
    m_lastAnnouncedSecond = 10;
    m_matchOver = false;
    m_roundCountdownActive = false;
}
