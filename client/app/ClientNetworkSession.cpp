#include "client/app/ClientNetworkSession.h"

#include "client/app/DebugLog.h"
#include "client/net/ClientNetwork.h"

bool ClientNetworkSession::Initialize() {
    m_network.SetLogSink([](std::string_view line) { DebugLog::Write(line); });
    return m_network.Initialize();
}

void ClientNetworkSession::Update(double deltaTime) {
    m_network.Update(deltaTime);
}

void ClientNetworkSession::DropUnreadEvents() {
    m_network.DropUnreadEvents();
}

void ClientNetworkSession::Shutdown() {
    m_network.Shutdown();
}

std::string ClientNetworkSession::LevelName() const {
    return m_network.GetLevelName();
}

void ClientNetworkSession::EnterState(GameState&, SoundSystem*, bool inLobby) {
    m_network.EnterState(inLobby);
}

void ClientNetworkSession::PlayServerSounds(SoundSystem& sound) {
    m_sounds.Play(m_network, sound);
}

int ClientNetworkSession::AveragePing() const {
    return m_network.AveragePing();
}
