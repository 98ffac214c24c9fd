// A match. For now a state that keeps the level it was entered with and draws nothing; when the server is
// lost it goes back to the main menu, which tells the player. M mutes and unmutes the sound.
#pragma once

#include <string>

#include "client/app/GameState.h"

class ClientNetwork;

class PlayingState : public GameState {
public:
    explicit PlayingState(ClientNetwork& network) : m_network(network) {}

    using GameState::Initialize;
    bool Initialize(const std::string& levelName) override;
    void Shutdown() override;
    GameStateSwitch Update(double deltaTime) override;

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }

private:
    ClientNetwork& m_network;
    bool m_initialized = false;
    std::string m_levelName;
};
