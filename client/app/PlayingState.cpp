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
    return m_initialized && m_network.serverLost ? MENU_STATE : NO_CHANGE;
}
