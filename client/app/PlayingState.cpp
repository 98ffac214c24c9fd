#include "client/app/PlayingState.h"

#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"
#include "client/app/VirtualKeys.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/SoundSystem.h"

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
    // M, on release, switches every sound off or back on; the saved mute setting stays as it is.
    if (Input::GetInstance().GetKeyState(VirtualKey::ForCharacter('m')) == KEY_RELEASED) {
        ClientGlobals& globals = ClientGlobals::GetInstance();
        globals.soundEnabled = !globals.soundEnabled;
        if (m_sound != nullptr) {
            m_sound->MuteAll(!globals.soundEnabled);
        }
    }
    return m_initialized && m_network.serverLost ? MENU_STATE : NO_CHANGE;
}
