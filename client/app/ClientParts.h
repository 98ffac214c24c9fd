// What the application is assembled from: the window, the three states, the sound system and the server
// connection. The game uses MakeGameParts; tests put in recording stand-ins.
#pragma once

#include <memory>

#include "client/app/ClientOptions.h"
#include "client/app/GameState.h"
#include "client/app/NetworkSession.h"
#include "client/app/WindowSystem.h"
#include "client/ui/SoundSystem.h"

class ClientNetwork;

struct ClientParts {
    std::unique_ptr<WindowSystem> window;
    std::unique_ptr<GameState> menuState;
    std::unique_ptr<GameState> chooseState;
    std::unique_ptr<GameState> playingState;
    std::unique_ptr<SoundSystem> sound;       // null: the client runs silent
    std::unique_ptr<NetworkSession> network;  // null: no server connection
};

// The SDL window, the menu, lobby and match states and the session, all on network, which the caller owns
// and keeps beyond the parts, and the sound system on OpenAL Soft with the data folder's sounds.
ClientParts MakeGameParts(ClientNetwork& network, const ClientOptions& options = {});
