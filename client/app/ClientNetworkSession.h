// The application's NetworkSession on the program's ClientNetwork, which the states share: its log lines go
// to the client's log.
#pragma once

#include "client/app/NetworkSession.h"
#include "client/app/NetworkSounds.h"

class ClientNetwork;

class ClientNetworkSession : public NetworkSession {
public:
    explicit ClientNetworkSession(ClientNetwork& network) : m_network(network) {}

    bool Initialize() override;
    void Update(double deltaTime) override;
    void DropUnreadEvents() override;
    // Shuts the connection down; the network stays, and its updates do nothing from then on.
    void Shutdown() override;
    std::string LevelName() const override;
    // Tells the network whether the lobby or the match is entered; it keeps no pointer to the state or the
    // sound system.
    void EnterState(GameState& state, SoundSystem* sound, bool inLobby) override;
    void PlayServerSounds(SoundSystem& sound) override;
    int AveragePing() const override;

private:
    ClientNetwork& m_network;
    NetworkSounds m_sounds;
};
