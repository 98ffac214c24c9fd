// The client's sound system on OpenAL Soft. It owns the device and its context, the 40 numbered sounds of the
// sound table (one buffer each, read from the sound folder at start-up), the music stream, the four channel
// groups, and every playing sound: the effects started by PlaySound and the ambients registered by
// AddAmbientSound, each on a source of its own, held by callers through handles.
//
// Positioned sounds fade linearly from full at the listener to silence at 30 units (effects) or 25 units
// (ambients); flat sounds play relative to the listener. Effects and the music play at volume 0.7; ambients
// at 1 while enabled and 0 while not, the wind at 0.2 always. Update reclaims the source of every finished
// effect, and a sound that finds no free source takes one from a finished effect; with none, it plays
// nothing.
//
// A failed Initialize leaves nothing open: the manager says why in LastError and every call after it does
// nothing. One manager at a time: the manager makes its context the process's current one.
#pragma once

#include <AL/al.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "client/ui/SoundChannelGroups.h"
#include "client/ui/SoundDevice.h"
#include "client/ui/SoundSystem.h"
#include "client/ui/SoundTable.h"

class SoundMusicStream;

class SoundManager final : public SoundSystem {
public:
    static constexpr float kEffectVolume = 0.7f;
    static constexpr float kWindVolume = 0.2f;
    static constexpr float kEffectRange = 30.0f;
    static constexpr float kAmbientRange = 25.0f;
    // Sources for effects and ambients together (OpenAL Soft makes 256 by default; the music has its own).
    static constexpr std::size_t kMaxSources = 200;

    explicit SoundManager(std::string soundFolder = kSoundFolder,
                          SoundDeviceOpener openDevice = OpenDefaultSoundDevice);
    ~SoundManager() override;
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    bool Initialize() override;
    std::string LastError() const override { return m_error; }
    void Update() override;
    void Shutdown() override;
    void MuteAll(bool mute) override;
    void UnmuteAll() { MuteAll(false); }

    void PlayMenuMusic() override;
    void StopMenuMusic() override;
    void ToggleMusic() override;
    bool IsMusicPlaying() const override;
    // Plays the music from its beginning.
    void StartMusic();

    SoundHandle PlaySound(int number, const glm::vec3& position) override;
    SoundHandle AddAmbientSound(int number, const glm::vec3& position, SoundOwner owner) override;
    void UpdateAmbientSounds() override;
    void StopAmbientSounds(SoundOwner owner) override;
    // Reclaims the source of every effect that has finished playing; paused loops are kept.
    void RemoveFinishedSounds();

    void SetSoundPosition(SoundHandle sound, const glm::vec3& position) override;
    void SetSoundEnabled(SoundHandle sound, bool enabled) override;
    void PauseSound(SoundHandle sound, bool paused) override;
    void StopSound(SoundHandle sound) override;
    SoundState GetSoundState(SoundHandle sound) const override;
    void SetListener(const glm::vec3& position, const glm::vec3& forward, const glm::vec3& up) override;

    bool IsUsable() const { return m_usable; }
    // The effects and ambients held now, and the sources made for them so far.
    std::size_t LiveSounds() const { return m_effects.size() + m_ambients.size(); }
    std::size_t SourcesMade() const { return m_sourcesMade; }

private:
    struct Instance {
        std::uint64_t id = 0;
        const SoundEntry* entry = nullptr;
        ALuint source = 0;
        glm::vec3 position{};
        float volume = 0.0f;  // the instance's own, before its group's
        bool enabled = true;
        SoundOwner owner = nullptr;
    };

    bool Fail(std::string error);
    void ReleaseAll();
    ALuint AcquireSource();
    // Sets up source for entry at position with range and volume and starts it.
    Instance Start(const SoundEntry& entry, ALuint source, const glm::vec3& position, float range, bool loop,
                   float volume);
    void ApplyGain(const Instance& instance) const;
    void ApplyPosition(const Instance& instance) const;
    void Release(Instance& instance);
    Instance* Find(SoundHandle sound);
    const Instance* Find(SoundHandle sound) const;
    static SoundGroup GroupOf(const Instance& instance);

    std::string m_folder;
    SoundDeviceOpener m_openDevice;
    std::string m_error;
    bool m_usable = false;

    std::unique_ptr<SoundDevice> m_device;
    ALCcontext* m_context = nullptr;
    std::vector<ALuint> m_buffers;  // by sound number - 1
    std::unique_ptr<SoundMusicStream> m_music;
    SoundChannelGroups m_groups;

    std::vector<Instance> m_effects;   // in start order
    std::vector<Instance> m_ambients;  // in registration order
    std::vector<ALuint> m_freeSources;
    std::size_t m_sourcesMade = 0;
    std::uint64_t m_nextId = 1;
};
