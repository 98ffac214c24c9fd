#include "client/app/MenuState.h"

#include "client/app/QuitMessage.h"

bool MenuState::Initialize(const std::string& levelName) {
    m_levelName = levelName;
    m_initialized = true;
    return true;
}

void MenuState::Shutdown() {
    m_levelName.clear();
    m_initialized = false;
}

void MenuState::EscapeIsPressed() {
    PostQuitMessage();
}
