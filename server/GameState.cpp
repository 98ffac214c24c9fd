#include "server/GameState.h"

#include "protocol/SendParameters.h"
#include "protocol/ServerRoundMessages.h"
#include "raknet/RakPeerInterface.h"
#include "server/LevelList.h"
#include "server/ServerSend.h"

bool GameState::Reset(int levelIndex) {
    if (m_peer == nullptr) {
        return false;
    }
    return Initialize(m_peer, m_levelList, levelIndex);
}

bool GameState::Initialize(RakNet::RakPeerInterface* peer, std::vector<std::string> levelList,
                           int levelIndex) {
    Shutdown();
    m_peer = peer;
    m_levelList = std::move(levelList);
    if (m_levelList.empty()) {
        m_levelList.emplace_back(kDefaultLevel);
    }
    // An index outside the list wraps, as the rotation does after its last level.
    const int count = static_cast<int>(m_levelList.size());
    m_levelIndex = ((levelIndex % count) + count) % count;
    m_level = std::make_unique<LevelData>(GetCurrentLevelPath());
    m_roundCountdownActive = false;
    return true;
}

void GameState::Shutdown() {
    m_level.reset();
}

void GameState::Update(double frameTime) {
    m_lastFrameTime = static_cast<float>(frameTime);
}

void GameState::OnNewConnection(RakNet::RakNetGUID guid) {
    if (m_roundCountdownActive) {
        SendTo(m_peer, protocol::RoundCountdownStartMessage{}, guid);
    }
}

void GameState::RemovePlayer(RakNet::RakNetGUID /*guid*/) {}
