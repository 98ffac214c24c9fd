// The base of the client's three states (main menu, lobby, match). The application updates and renders the
// current state once per frame and carries out the switch its Update asks for; each switch into the lobby
// or the match shuts the target down and initialises it again with the server's level.
//
// Shutdown must be safe on a state that was never initialised and when called twice: the application shuts
// the lobby and the match down before every entry and all three at exit.
#pragma once

#include <string>

class SoundSystem;

enum GameStateSwitch : int {
    MENU_STATE = 0,
    CHOOSE_STATE = 1,
    PLAYING_STATE = 2,
    NO_CHANGE = 3,
};

class GameState {
public:
    virtual ~GameState() = default;

    virtual bool Initialize(const std::string& levelName) {
        (void)levelName;
        return true;
    }
    virtual bool Initialize() { return true; }
    virtual void Shutdown() {}
    // One frame of deltaTime seconds; the switch the state asks for.
    virtual GameStateSwitch Update(double deltaTime) {
        (void)deltaTime;
        return NO_CHANGE;
    }
    virtual void Render() {}
    virtual void EscapeIsPressed() {}

    // The sound system the state plays through; null while the client runs silent. Not owned.
    void SetSoundSystem(SoundSystem* sound) { m_sound = sound; }
    SoundSystem* GetSoundSystem() const { return m_sound; }

protected:
    GameState() = default;

    SoundSystem* m_sound = nullptr;
};
