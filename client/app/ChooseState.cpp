#include "client/app/ChooseState.h"

bool ChooseState::Initialize(const std::string& levelName) {
    m_levelName = levelName;
    m_initialized = true;
    return true;
}

void ChooseState::Shutdown() {
    m_levelName.clear();
    m_initialized = false;
}
