// A sound system for tests that keeps what its callers asked of it: every sound played or registered as an
// ambient loop, with its number, place, owner and state, and the owners whose loops were stopped. Nothing is
// heard; a sound plays until it is paused or stopped. Entries never move, so a test may hold on to one.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include <glm/vec3.hpp>

#include "client/ui/SoundSystem.h"

namespace ombrin::test {

class RecordingSoundSystem : public SoundSystem {
public:
    struct Sound {
        int number = 0;
        glm::vec3 position{0.0f};
        SoundOwner owner = nullptr;  // null for a one-shot
        bool ambient = false;
        SoundState state = SoundState::Playing;

        bool Paused() const { return state == SoundState::Paused; }
        bool Stopped() const { return state == SoundState::Gone; }
    };

    bool Initialize() override { return true; }
    void Update() override {}
    void Shutdown() override {}
    void MuteAll(bool) override {}
    void PlayMenuMusic() override {}
    void StopMenuMusic() override {}
    void ToggleMusic() override {}
    bool IsMusicPlaying() const override { return false; }
    SoundHandle PlaySound(int number, const glm::vec3& position) override {
        sounds.push_back(Sound{number, position, nullptr, false, SoundState::Playing});
        return SoundHandle{sounds.size()};
    }
    SoundHandle AddAmbientSound(int number, const glm::vec3& position, SoundOwner owner) override {
        sounds.push_back(Sound{number, position, owner, true, SoundState::Playing});
        return SoundHandle{sounds.size()};
    }
    void UpdateAmbientSounds() override {}
    void StopAmbientSounds(SoundOwner owner) override {
        stoppedOwners.push_back(owner);
        for (Sound& sound : sounds) {
            if (sound.ambient && sound.owner == owner) {
                sound.state = SoundState::Gone;
            }
        }
    }
    void SetSoundPosition(SoundHandle handle, const glm::vec3& position) override {
        if (Sound* sound = Find(handle)) {
            sound->position = position;
        }
    }
    void SetSoundEnabled(SoundHandle, bool) override {}
    void PauseSound(SoundHandle handle, bool paused) override {
        if (Sound* sound = Find(handle); sound != nullptr && !sound->Stopped()) {
            sound->state = paused ? SoundState::Paused : SoundState::Playing;
        }
    }
    void StopSound(SoundHandle handle) override {
        if (Sound* sound = Find(handle)) {
            sound->state = SoundState::Gone;
        }
    }
    SoundState GetSoundState(SoundHandle handle) const override {
        const Sound* sound = Find(handle);
        return sound != nullptr ? sound->state : SoundState::Gone;
    }
    void SetListener(const glm::vec3&, const glm::vec3&, const glm::vec3&) override {}

    // The ambient loops still registered, in the order they were added.
    std::vector<Sound> LiveAmbients() const {
        std::vector<Sound> live;
        for (const Sound& sound : sounds) {
            if (sound.ambient && !sound.Stopped()) {
                live.push_back(sound);
            }
        }
        return live;
    }
    // The state of the last sound of this number; gone when there was none.
    SoundState StateOf(int number) const {
        for (auto it = sounds.rbegin(); it != sounds.rend(); ++it) {
            if (it->number == number) {
                return it->state;
            }
        }
        return SoundState::Gone;
    }
    std::vector<int> Numbers() const {
        std::vector<int> numbers;
        for (const Sound& sound : sounds) {
            numbers.push_back(sound.number);
        }
        return numbers;
    }

    std::deque<Sound> sounds;
    std::vector<SoundOwner> stoppedOwners;

private:
    Sound* Find(SoundHandle handle) {
        return handle && handle.id <= sounds.size() ? &sounds[static_cast<std::size_t>(handle.id - 1)]
                                                    : nullptr;
    }
    const Sound* Find(SoundHandle handle) const {
        return handle && handle.id <= sounds.size() ? &sounds[static_cast<std::size_t>(handle.id - 1)]
                                                    : nullptr;
    }
};

}  // namespace ombrin::test
