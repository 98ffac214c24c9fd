// The client's sound output as the application, the states and the world drive it: the menu music, the
// numbered sounds of the sound table (shared/SoundNumbers.h) played once or looped at a world position,
// ambient loops registered by an owner, four channel groups muted together, and the listener.
//
// Positions are world units in the game's left-handed frame (y up). A sound system whose Initialize failed
// stays usable as an object: every call after it does nothing and every handle it returns names nothing.
#pragma once

#include <glm/vec3.hpp>
#include <string>

#include "client/ui/SoundHandle.h"

class SoundSystem {
public:
    virtual ~SoundSystem() = default;

    // Opens the output device and loads the sounds; false when the client must run silent, with the reason
    // (the sound library's or the loader's message and the file) in LastError.
    virtual bool Initialize() = 0;
    virtual std::string LastError() const { return {}; }
    // Once per frame: reclaims every finished sound, refills the music and applies the ambients' changes.
    virtual void Update() = 0;
    // Stops every sound and closes the device; every handle goes stale.
    virtual void Shutdown() = 0;
    // Mutes or unmutes the music, effect, ambient and spare groups at once. Muted sounds keep playing
    // silently, so unmuting resumes them where they are.
    virtual void MuteAll(bool mute) = 0;

    // Starts the menu music from its beginning unless it is already playing.
    virtual void PlayMenuMusic() = 0;
    // Stops the menu music if it is playing.
    virtual void StopMenuMusic() = 0;
    // Stops the music if it is playing, else starts it.
    virtual void ToggleMusic() = 0;
    // True from a start until a stop, muted or not.
    virtual bool IsMusicPlaying() const = 0;

    // A numbered effect at position, once or looped as its table entry says; an ambient number or a number
    // outside the table plays nothing and gives an empty handle. Flat sounds (countdown) ignore the position.
    virtual SoundHandle PlaySound(int number, const glm::vec3& position) = 0;
    // An ambient loop (fire, wind, birds, footsteps) of owner at position. It is silent until the next
    // ambient update, then plays while enabled (the wind always plays, at its fixed volume). Other numbers
    // give an empty handle.
    virtual SoundHandle AddAmbientSound(int number, const glm::vec3& position, SoundOwner owner) = 0;
    // Applies every ambient's position and enabled flag.
    virtual void UpdateAmbientSounds() = 0;
    // Stops and forgets the ambients of owner; other owners' keep playing.
    virtual void StopAmbientSounds(SoundOwner owner) = 0;

    // The sound of a handle; a stale or empty handle does nothing (Gone).
    virtual void SetSoundPosition(SoundHandle sound, const glm::vec3& position) = 0;
    // An ambient's enabled flag, applied at the next ambient update.
    virtual void SetSoundEnabled(SoundHandle sound, bool enabled) = 0;
    virtual void PauseSound(SoundHandle sound, bool paused) = 0;
    virtual void StopSound(SoundHandle sound) = 0;
    virtual SoundState GetSoundState(SoundHandle sound) const = 0;

    // Where the player hears from and which way it faces.
    virtual void SetListener(const glm::vec3& position, const glm::vec3& forward, const glm::vec3& up) = 0;
};
