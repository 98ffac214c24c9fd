#include "client/net/ClientNetworkSession.h"

#include "client/app/ClientGlobals.h"
#include "client/app/DebugLog.h"
#include "client/net/ClientNetwork.h"

bool ClientNetworkSession::Initialize() {
    ClientNetwork& network = ClientNetwork::GetInstance();
    network.SetLogSink([](std::string_view line) { DebugLog::Write(line); });
    return network.Initialize();
}

void ClientNetworkSession::Update() {
    ClientNetwork::GetInstance().Update(ClientGlobals::GetInstance().deltaTime);
}

void ClientNetworkSession::Shutdown() {
    if (ClientNetwork::HasInstance()) {
        ClientNetwork::GetInstance().Shutdown();
        ClientNetwork::FreeInstance();
    }
}

std::string ClientNetworkSession::LevelName() const {
    return ClientNetwork::GetInstance().GetLevelName();
}

void ClientNetworkSession::EnterState(GameState& state, SoundSystem* sound, bool inLobby) {
    (void)state;  // the state's world takes its updates from the records once it has one
    ClientNetwork::GetInstance().EnterState(sound, inLobby);
}

int ClientNetworkSession::AveragePing() const {
    return ClientNetwork::HasInstance() ? ClientNetwork::GetInstance().AveragePing() : 0;
}
