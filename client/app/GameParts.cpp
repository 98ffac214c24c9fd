#include <memory>

#include "client/app/ChooseState.h"
#include "client/app/ClientParts.h"
#include "client/app/MenuState.h"
#include "client/app/PlayingState.h"
#include "client/app/SdlWindowSystem.h"
#include "client/net/ClientNetworkSession.h"

ClientParts MakeGameParts(const ClientOptions& options) {
    ClientParts parts;
    parts.window = std::make_unique<SdlWindowSystem>();
    parts.chooseState = std::make_unique<ChooseState>();
    MenuSetup menu;
    menu.serverPort = options.serverPort;
    parts.menuState = std::make_unique<MenuState>(menu);
    parts.playingState = std::make_unique<PlayingState>();
    parts.network = std::make_unique<ClientNetworkSession>();
    return parts;
}
