// The main menu. For now an empty state with only its root page: it draws nothing, and Escape, which at the
// root page ends the program, posts the quit message.
#pragma once

#include <string>

#include "client/app/GameState.h"

class MenuState : public GameState {
public:
    static constexpr const char* kBackgroundLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";

    using GameState::Initialize;
    bool Initialize(const std::string& levelName) override;
    bool Initialize() override { return Initialize(kBackgroundLevel); }
    void Shutdown() override;
    void EscapeIsPressed() override;

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }

private:
    bool m_initialized = false;
    std::string m_levelName;
};
