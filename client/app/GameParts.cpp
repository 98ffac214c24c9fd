#include <memory>

#include "client/app/ChooseState.h"
#include "client/app/ClientNetworkSession.h"
#include "client/app/ClientParts.h"
#include "client/app/MenuState.h"
#include "client/app/PlayingState.h"
#include "client/app/SdlWindowSystem.h"
#include "client/ui/SoundManager.h"

ClientParts MakeGameParts(ClientNetwork& network, const ClientOptions& options) {
    ClientParts parts;
    parts.window = std::make_unique<SdlWindowSystem>();
    parts.chooseState = std::make_unique<ChooseState>(network);
    MenuSetup menu;
    menu.serverPort = options.serverPort;
    parts.menuState = std::make_unique<MenuState>(network, menu);
    parts.particles = std::make_unique<ParticleRenderer>();
    parts.trails = std::make_unique<TrailRenderer>();
    parts.deathBoard = std::make_unique<DeathBoard>();
    parts.playingState = std::make_unique<PlayingState>(
        network, MatchSharedParts{parts.particles.get(), parts.trails.get(), parts.deathBoard.get()});
    parts.sound = std::make_unique<SoundManager>();
    parts.network = std::make_unique<ClientNetworkSession>(network);
    return parts;
}
