#include "server/NormalState.h"

#include "protocol/MessageSend.h"
#include "protocol/ServerRoundMessages.h"
#include "server/RoundOutcome.h"

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

void NormalState::ResetMatch() {
    m_roundsPerMatch = kRoundsPerMatch;
    m_currentRound = 1;
    m_roundCountdownLength = kRoundCountdownLength;
    m_matchCountdownLength = kMatchCountdownLength;
    m_countdown.Start(m_roundCountdownLength);
    m_matchOver = false;
    m_roundCountdownActive = false;
}

void NormalState::Update(double frameTime) {
    GameState::Update(frameTime);
    if (!m_playerManager) {
        return;
    }
    if (m_roundCountdownActive) {
        StepCountdown(frameTime);
        if (m_countdown.Expired()) {
            StartRound();
        }
    } else if (m_matchOver) {
        StepCountdown(frameTime);
        if (m_countdown.Expired()) {
            NextLevel();
        }
    } else {
        CheckRoundEnd();
    }
    // A round decided in this frame takes no more hits, also from requests handled before the next frame.
    m_playerManager->SetHitsCount(IsRoundRunning());
}

std::optional<double> NormalState::SecondsUntilTimerDue() const {
    if (m_roundCountdownActive || m_matchOver) {
        return m_countdown.SecondsUntilNextStep();
    }
    return std::nullopt;
}

void NormalState::StepCountdown(double dt) {
    if (const std::optional<int> second = m_countdown.Step(dt)) {
        protocol::Broadcast(m_peer, protocol::CountdownSecondsMessage{*second});
    }
}

void NormalState::CheckRoundEnd() {
    const std::optional<std::int32_t> winner = RoundWinner(m_playerManager->Players());
    if (!winner) {
        return;
    }
    m_roundWins.Add(*winner);
    protocol::Broadcast(m_peer, protocol::RoundWonMessage{*winner});
    ++m_currentRound;
    if (m_currentRound <= m_roundsPerMatch && !m_roundWins.AnyAbove(m_roundsPerMatch / 2)) {
        m_roundCountdownActive = true;
        m_countdown.Start(m_roundCountdownLength);
        protocol::Broadcast(m_peer, protocol::RoundCountdownStartMessage{});
        return;
    }
    protocol::Broadcast(m_peer, protocol::MatchWonMessage{m_roundWins.Leader()});
    m_matchOver = true;
    m_countdown.Start(m_matchCountdownLength);
}

void NormalState::StartRound() {
    m_roundCountdownActive = false;
    protocol::Broadcast(m_peer, protocol::RoundStartedMessage{});
    // Every player stands on a spawn point of its team with full health, also those who joined during the
    // countdown.
    m_playerManager->ClearSpawnAssignments();
    for (const PlayerRecord& player : m_playerManager->GetPlayers()) {
        m_playerManager->Respawn(player.guid);
        m_playerManager->Revive(player.guid);
    }
    ResetRoundTimedState();
    ClearObjects();
    m_runeManager->ResetRunes(*m_playerManager);
    m_playerManager->ClearRuneEffects();
}

void NormalState::NextLevel() {
    Shutdown();
    const int next = m_levelIndex + 1 < static_cast<int>(m_levelList.size()) ? m_levelIndex + 1 : 0;
    Reset(next);
    protocol::Broadcast(m_peer, protocol::NewLevelMessage{GetCurrentLevelPath()});
}
