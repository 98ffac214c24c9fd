// The application's NetworkSession backed by the process's ClientNetwork: the frame time comes from
// ClientGlobals and the log lines go to the client's log.
#pragma once

#include "client/app/NetworkSession.h"

class ClientNetworkSession : public NetworkSession {
public:
    bool Initialize() override;
    void Update() override;
    // Shuts the connection down and frees the process's ClientNetwork.
    void Shutdown() override;
    std::string LevelName() const override;
    void EnterState(GameState& state, SoundSystem* sound, bool inLobby) override;
    int AveragePing() const override;
};
