#include "client/app/PlayingState.h"

#include "client/net/ClientNetwork.h"

bool PlayingState::Initialize(const std::string& levelName) {
    m_levelName = levelName;
    m_initialized = true;
    return true;
}

void PlayingState::Shutdown() {
    m_levelName.clear();
    m_initialized = false;
}

GameStateSwitch PlayingState::Update(double) {
    const ClientNetwork& network = m_network != nullptr ? *m_network : ClientNetwork::GetInstance();
    return m_initialized && network.serverLost ? MENU_STATE : NO_CHANGE;
}
