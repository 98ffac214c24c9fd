// Recording stand-ins for the states, the sound system and the network session. Each writes what was done to
// it into the shared journal; states can be told what to return from Update and what to do in a frame.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "client/app/ClientParts.h"
#include "client/app/tests/ScriptedWindow.h"

namespace ombrin::test {

class RecordingState final : public GameState {
public:
    RecordingState(std::string name, std::shared_ptr<Journal> journal)
        : m_name(std::move(name)), m_journal(std::move(journal)) {}
    ~RecordingState() override { m_journal->Add(m_name + ".destroyed"); }

    bool Initialize(const std::string& levelName) override;
    bool Initialize() override;
    void Shutdown() override;
    GameStateSwitch Update(double deltaTime) override;
    void Render() override;
    void EscapeIsPressed() override;

    // Switches returned by the next updates, then NO_CHANGE.
    std::deque<GameStateSwitch> switches;
    // Run inside Update and Render (after recording them).
    std::function<void()> onUpdate;
    std::function<void()> onRender;
    bool recordFrames = true;

private:
    std::string m_name;
    std::shared_ptr<Journal> m_journal;
};

// Records the calls of the application and the states; its Shutdown and its use by a state after it was
// deleted are what the shutdown order must keep apart (AddressSanitizer reports a use after deletion). The
// calls of the world (sounds, ambients, the listener) play nothing.
class RecordingSound final : public SoundSystem {
public:
    static constexpr const char* kFailure = "no output device (recording)";

    RecordingSound(std::shared_ptr<Journal> journal, bool starts)
        : m_journal(std::move(journal)), m_starts(starts) {}
    ~RecordingSound() override { m_journal->Add("sound.destroyed"); }

    bool Initialize() override;
    std::string LastError() const override { return m_starts ? "" : kFailure; }
    void Update() override {}
    void Shutdown() override { m_journal->Add("sound.Shutdown"); }
    void MuteAll(bool mute) override { m_journal->Add(std::string("sound.MuteAll ") + (mute ? "1" : "0")); }
    void PlayMenuMusic() override { m_journal->Add("sound.PlayMenuMusic"); }
    void StopMenuMusic() override { m_journal->Add("sound.StopMenuMusic"); }
    void ToggleMusic() override { m_journal->Add("sound.ToggleMusic"); }
    bool IsMusicPlaying() const override { return false; }
    SoundHandle PlaySound(int, const glm::vec3&) override { return {}; }
    SoundHandle AddAmbientSound(int, const glm::vec3&, SoundOwner) override { return {}; }
    void UpdateAmbientSounds() override {}
    void StopAmbientSounds(SoundOwner) override {}
    void SetSoundPosition(SoundHandle, const glm::vec3&) override {}
    void SetSoundEnabled(SoundHandle, bool) override {}
    void PauseSound(SoundHandle, bool) override {}
    void StopSound(SoundHandle) override {}
    SoundState GetSoundState(SoundHandle) const override { return SoundState::Gone; }
    void SetListener(const glm::vec3&, const glm::vec3&, const glm::vec3&) override {}
    // A state that still holds the sound system uses it.
    void UsedBy(const std::string& state) { m_journal->Add("sound used by " + state); }

private:
    std::shared_ptr<Journal> m_journal;
    bool m_starts;
};

class RecordingNetwork final : public NetworkSession {
public:
    RecordingNetwork(std::shared_ptr<Journal> journal, std::string level)
        : m_journal(std::move(journal)), m_level(std::move(level)) {}

    bool Initialize() override;
    void Update(double) override {}
    void Shutdown() override { m_journal->Add("network.Shutdown"); }
    std::string LevelName() const override { return m_level; }
    void EnterState(GameState& state, SoundSystem* sound, bool inLobby) override;
    // Kept apart from the journal: the frame's event steps in order, "sounds" and "drop".
    void PlayServerSounds(SoundSystem&) override { eventSteps.push_back("sounds"); }
    void DropUnreadEvents() override { eventSteps.push_back("drop"); }

    std::vector<std::string> eventSteps;

private:
    std::shared_ptr<Journal> m_journal;
    std::string m_level;
};

// The parts with recording states named "menu", "choose" and "playing"; the states are also returned.
struct RecordedParts {
    ClientParts parts;
    RecordingState* menu = nullptr;
    RecordingState* choose = nullptr;
    RecordingState* playing = nullptr;
    ScriptedWindow* window = nullptr;
};
RecordedParts MakeRecordedParts(std::shared_ptr<Journal> journal, std::unique_ptr<ScriptedWindow> window);

}  // namespace ombrin::test
