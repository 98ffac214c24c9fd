// The lobby on a server. For now an empty state: it keeps the level it was entered with and draws nothing.
#pragma once

#include <string>

#include "client/app/GameState.h"

class ChooseState : public GameState {
public:
    static constexpr const char* kBackgroundLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";

    using GameState::Initialize;
    bool Initialize(const std::string& levelName) override;
    bool Initialize() override { return Initialize(kBackgroundLevel); }
    void Shutdown() override;

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }

private:
    bool m_initialized = false;
    std::string m_levelName;
};
