// A match. For now an empty state: it keeps the level it was entered with and draws nothing.
#pragma once

#include <string>

#include "client/app/GameState.h"

class PlayingState : public GameState {
public:
    using GameState::Initialize;
    bool Initialize(const std::string& levelName) override;
    void Shutdown() override;

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }

private:
    bool m_initialized = false;
    std::string m_levelName;
};
