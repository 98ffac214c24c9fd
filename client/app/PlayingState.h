// A match. For now a state that keeps the level it was entered with and draws nothing; when the server is
// lost it goes back to the main menu, which tells the player.
#pragma once

#include <string>

#include "client/app/GameState.h"

class ClientNetwork;

class PlayingState : public GameState {
public:
    // network: null for the process's ClientNetwork.
    explicit PlayingState(ClientNetwork* network = nullptr) : m_network(network) {}

    using GameState::Initialize;
    bool Initialize(const std::string& levelName) override;
    void Shutdown() override;
    GameStateSwitch Update(double deltaTime) override;

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }

private:
    ClientNetwork* m_network = nullptr;
    bool m_initialized = false;
    std::string m_levelName;
};
