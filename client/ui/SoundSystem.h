// The client's sound output as the application and the states drive it. The sound system itself (OpenAL
// Soft) arrives with the sound work; until then the client starts without one and runs silent.
#pragma once

class SoundSystem {
public:
    virtual ~SoundSystem() = default;

    // Opens the output device and loads the sounds; false when the client must run silent.
    virtual bool Initialize() = 0;
    // Once per frame: the system's own update, then the sound library's.
    virtual void Update() = 0;
    virtual void Shutdown() = 0;
    // Mutes or unmutes every channel group.
    virtual void MuteAll(bool mute) = 0;
    // Starts the menu music unless it is already playing.
    virtual void PlayMenuMusic() = 0;
    // Stops the menu music if it is playing.
    virtual void StopMenuMusic() = 0;
};
