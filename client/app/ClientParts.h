// What the application is assembled from: the window, the three states, the sound system, the server
// connection, and what the application keeps for the whole program and shares with the match (the particle
// and trail renderers, the death board). The game uses MakeGameParts; tests put in recording stand-ins.
#pragma once

#include <memory>

#include "client/app/ClientOptions.h"
#include "client/app/GameState.h"
#include "client/app/NetworkSession.h"
#include "client/app/WindowSystem.h"
#include "client/ui/DeathBoard.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/SoundSystem.h"
#include "client/ui/TrailRenderer.h"

class ClientNetwork;

struct ClientParts {
    std::unique_ptr<WindowSystem> window;
    std::unique_ptr<GameState> menuState;
    std::unique_ptr<GameState> chooseState;
    std::unique_ptr<GameState> playingState;
    std::unique_ptr<SoundSystem> sound;       // null: the client runs silent
    std::unique_ptr<NetworkSession> network;  // null: no server connection
    // Each null when absent: nothing drawn, nothing kept.
    std::unique_ptr<ParticleRenderer> particles;
    std::unique_ptr<TrailRenderer> trails;
    std::unique_ptr<DeathBoard> deathBoard;
};

// The SDL window, the menu, lobby and match states and the session, all on network, which the caller owns
// and keeps beyond the parts, the sound system on OpenAL Soft with the data folder's sounds, and the
// renderers and the death board the match shares.
ClientParts MakeGameParts(ClientNetwork& network, const ClientOptions& options = {});
