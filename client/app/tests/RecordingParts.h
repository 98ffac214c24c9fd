// Recording stand-ins for the states, the sound system and the network session. Each writes what was done to
// it into the shared journal; states can be told what to return from Update and what to do in a frame.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>

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

// Records its calls; its Shutdown and its use by a state after it was deleted are what the shutdown order
// must keep apart (AddressSanitizer reports a use after deletion).
class RecordingSound final : public SoundSystem {
public:
    RecordingSound(std::shared_ptr<Journal> journal, bool starts)
        : m_journal(std::move(journal)), m_starts(starts) {}
    ~RecordingSound() override { m_journal->Add("sound.destroyed"); }

    bool Initialize() override;
    void Update() override {}
    void Shutdown() override { m_journal->Add("sound.Shutdown"); }
    void MuteAll(bool mute) override { m_journal->Add(std::string("sound.MuteAll ") + (mute ? "1" : "0")); }
    void PlayMenuMusic() override { m_journal->Add("sound.PlayMenuMusic"); }
    void StopMenuMusic() override { m_journal->Add("sound.StopMenuMusic"); }
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
    void DropUnreadEvents() override {}
    void Shutdown() override { m_journal->Add("network.Shutdown"); }
    std::string LevelName() const override { return m_level; }
    void EnterState(GameState& state, SoundSystem* sound, bool inLobby) override;

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
