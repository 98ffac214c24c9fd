// The application's view of the client's connection to a server: started at start-up, updated every frame
// (receive, dispatch, periodic reports) after the events the frame's readers left are dropped, told which
// state's world now receives the server's updates, and asked for the level the server plays.
#pragma once

#include <string>

class GameState;
class SoundSystem;

class NetworkSession {
public:
    virtual ~NetworkSession() = default;

    virtual bool Initialize() = 0;
    // One frame of deltaTime seconds.
    virtual void Update(double deltaTime) = 0;
    // Drops the server's events that no reader took; once per frame, after the current state's update and
    // before Update, so that nothing received in one state reaches the next.
    virtual void DropUnreadEvents() = 0;
    virtual void Shutdown() = 0;
    // The level the server plays, for entering the lobby or the match.
    virtual std::string LevelName() const = 0;
    // The state just entered: its world and the sound system (null when silent) receive the server's
    // updates from now on. inLobby is true for the lobby.
    virtual void EnterState(GameState& state, SoundSystem* sound, bool inLobby) = 0;
    // Plays the sounds the server asked for since the last frame; once per frame, in every state, after the
    // current state's update and before DropUnreadEvents. A session without a server plays nothing.
    virtual void PlayServerSounds(SoundSystem& sound) { (void)sound; }
    // The average round trip to the server in milliseconds, for the debug overlay; 0 while not connected.
    virtual int AveragePing() const { return 0; }
};
