// The match rules on top of the per-level game: rounds per match and the countdowns between rounds and
// after a match.
#pragma once

#include "server/GameState.h"

class NormalState : public GameState {
public:
    bool Reset(int levelIndex) override;
    bool Initialize(RakNet::RakPeerInterface* peer, std::vector<std::string> levelList,
                    int levelIndex) override;
    void Update(double frameTime) override;

private:
    void ResetMatch();

    int m_roundsPerMatch = 5;
    int m_currentRound = 1;
    float m_roundCountdownLength = 10.0f;
    float m_matchCountdownLength = 15.0f;
    float m_countdownTimer = 10.0f;
    int m_lastAnnouncedSecond = 10;
    bool m_matchOver = false;
};
