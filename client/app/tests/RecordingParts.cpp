#include "client/app/tests/RecordingParts.h"

namespace ombrin::test {

bool RecordingState::Initialize(const std::string& levelName) {
    m_journal->Add(m_name + ".Initialize(" + levelName + ")");
    return true;
}

bool RecordingState::Initialize() {
    m_journal->Add(m_name + ".Initialize()");
    return true;
}

void RecordingState::Shutdown() {
    m_journal->Add(m_name + ".Shutdown");
    if (m_sound != nullptr) {
        static_cast<RecordingSound*>(m_sound)->UsedBy(m_name);
    }
}

GameStateSwitch RecordingState::Update(double) {
    if (recordFrames) {
        m_journal->Add(m_name + ".Update");
    }
    if (onUpdate) {
        onUpdate();
    }
    if (switches.empty()) {
        return NO_CHANGE;
    }
    const GameStateSwitch next = switches.front();
    switches.pop_front();
    return next;
}

void RecordingState::Render() {
    if (recordFrames) {
        m_journal->Add(m_name + ".Render");
    }
    if (onRender) {
        onRender();
    }
}

void RecordingState::EscapeIsPressed() {
    m_journal->Add(m_name + ".EscapeIsPressed");
}

bool RecordingSound::Initialize() {
    m_journal->Add("sound.Initialize");
    return m_starts;
}

bool RecordingNetwork::Initialize() {
    m_journal->Add("network.Initialize");
    return true;
}

void RecordingNetwork::EnterState(GameState&, SoundSystem* sound, bool inLobby) {
    m_journal->Add(std::string("network.EnterState ") + (inLobby ? "lobby" : "match") +
                   (sound != nullptr ? " with sound" : " silent"));
}

RecordedParts MakeRecordedParts(std::shared_ptr<Journal> journal, std::unique_ptr<ScriptedWindow> window) {
    RecordedParts recorded;
    recorded.window = window.get();
    recorded.parts.window = std::move(window);
    auto menu = std::make_unique<RecordingState>("menu", journal);
    auto choose = std::make_unique<RecordingState>("choose", journal);
    auto playing = std::make_unique<RecordingState>("playing", journal);
    recorded.menu = menu.get();
    recorded.choose = choose.get();
    recorded.playing = playing.get();
    recorded.parts.menuState = std::move(menu);
    recorded.parts.chooseState = std::move(choose);
    recorded.parts.playingState = std::move(playing);
    return recorded;
}

}  // namespace ombrin::test
