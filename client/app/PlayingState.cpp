#include "client/app/PlayingState.h"

bool PlayingState::Initialize(const std::string& levelName) {
    m_levelName = levelName;
    m_initialized = true;
    return true;
}

void PlayingState::Shutdown() {
    m_levelName.clear();
    m_initialized = false;
}
