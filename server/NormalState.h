// The match rules on top of the per-level game: a round ends when only one team has living players, a team
// that has won more than half of the rounds (or the last round played) ends the match, a 10 s countdown runs
// between rounds and a 15 s countdown after a match, after which the next level of the rotation starts.
#pragma once

#include "server/Countdown.h"
#include "server/GameState.h"

class NormalState : public GameState {
public:
    static constexpr int kRoundsPerMatch = 5;
    static constexpr float kRoundCountdownLength = 10.0f;
    static constexpr float kMatchCountdownLength = 15.0f;

    bool Reset(int levelIndex) override;
    bool Initialize(RakNet::RakPeerInterface* peer, std::vector<std::string> levelList,
                    int levelIndex) override;
    void Update(double frameTime) override;
    // While a countdown runs: the time until it announces its next second or runs out.
    std::optional<double> SecondsUntilTimerDue() const override;

    int GetCurrentRound() const { return m_currentRound; }
    bool IsMatchOver() const { return m_matchOver; }

protected:
    // Neither countdown runs: not between rounds, nor after the match.
    bool IsRoundRunning() const override { return GameState::IsRoundRunning() && !m_matchOver; }

private:
    void ResetMatch();
    // Announces the countdown's seconds as they pass.
    void StepCountdown(double dt);
    void CheckRoundEnd();
    void StartRound();
    void NextLevel();

    int m_roundsPerMatch = kRoundsPerMatch;
    int m_currentRound = 1;
    float m_roundCountdownLength = kRoundCountdownLength;
    float m_matchCountdownLength = kMatchCountdownLength;
    Countdown m_countdown;
    bool m_matchOver = false;
};
