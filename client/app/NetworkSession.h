// The application's view of the client's connection to a server: started at start-up, updated every frame
// (receive, dispatch, periodic reports), told which state's world now receives the server's updates, and
// asked for the level the server plays. Client networking provides it; until then the client has none.
#pragma once

#include <string>

class GameState;
class SoundSystem;

class NetworkSession {
public:
    virtual ~NetworkSession() = default;

    virtual bool Initialize() = 0;
    virtual void Update() = 0;
    virtual void Shutdown() = 0;
    // The level the server plays, for entering the lobby or the match.
    virtual std::string LevelName() const = 0;
    // The state just entered: its world and the sound system (null when silent) receive the server's
    // updates from now on. inLobby is true for the lobby.
    virtual void EnterState(GameState& state, SoundSystem* sound, bool inLobby) = 0;
    // The average round trip to the server in milliseconds, for the debug overlay; 0 while not connected.
    virtual int AveragePing() const { return 0; }
};
