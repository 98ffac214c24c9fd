// A sound system that keeps the ambient loops registered and the owners whose loops were stopped.
#pragma once

#include <vector>

#include "client/ui/SoundSystem.h"

namespace ombrin::test {

class RecordingSound : public SoundSystem {
public:
    struct Ambient {
        int number = 0;
        glm::vec3 position{0.0f};
        SoundOwner owner = nullptr;
    };

    bool Initialize() override { return true; }
    void Update() override {}
    void Shutdown() override {}
    void MuteAll(bool) override {}
    void PlayMenuMusic() override {}
    void StopMenuMusic() override {}
    void ToggleMusic() override {}
    bool IsMusicPlaying() const override { return false; }
    SoundHandle PlaySound(int, const glm::vec3&) override { return {}; }
    SoundHandle AddAmbientSound(int number, const glm::vec3& position, SoundOwner owner) override {
        playing.push_back({number, position, owner});
        return SoundHandle{playing.size()};
    }
    void UpdateAmbientSounds() override {}
    // Forgets the owner's loops, as the sound manager does.
    void StopAmbientSounds(SoundOwner owner) override {
        stoppedOwners.push_back(owner);
        std::erase_if(playing, [owner](const Ambient& ambient) { return ambient.owner == owner; });
    }
    void SetSoundPosition(SoundHandle, const glm::vec3&) override {}
    void SetSoundEnabled(SoundHandle, bool) override {}
    void PauseSound(SoundHandle, bool) override {}
    void StopSound(SoundHandle) override {}
    SoundState GetSoundState(SoundHandle) const override { return SoundState::Gone; }
    void SetListener(const glm::vec3&, const glm::vec3&, const glm::vec3&) override {}

    std::vector<Ambient> playing;
    std::vector<SoundOwner> stoppedOwners;
};

}  // namespace ombrin::test
