// Stand-ins for the application's parts: a window whose messages come from a script and whose engine is the
// null back end, and a journal in which every stand-in writes what was done to it, in order.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "client/app/WindowSystem.h"

namespace ombrin::test {

// What the stand-ins did, in order. When the watched file (the settings file) first exists, the next entry
// is preceded by "<settings saved>", so the journal shows where saving happened.
class Journal {
public:
    explicit Journal(std::filesystem::path watched = {}) : m_watched(std::move(watched)) {}

    void Add(std::string entry);
    const std::vector<std::string>& Entries() const { return m_entries; }
    // The entries from the first one equal to start (all of them when start is empty or absent).
    std::vector<std::string> From(const std::string& start) const;
    void Clear() { m_entries.clear(); }

private:
    std::filesystem::path m_watched;
    bool m_sawWatched = false;
    std::vector<std::string> m_entries;
};

class ScriptedWindow final : public WindowSystem {
public:
    struct Options {
        bool startFails = false;
        bool openFails = false;
        ScreenSize screen{1920, 1080};  // a zero size makes the engine refuse to start
        WindowRects rects{1280, 1024, 1280, 1024};
    };

    ScriptedWindow(std::shared_ptr<Journal> journal, Options options);
    ScriptedWindow(std::shared_ptr<Journal> journal) : ScriptedWindow(std::move(journal), Options{}) {}

    // The script: messages in arrival order, and the moments the queue runs dry (one frame each).
    ScriptedWindow& Message(std::vector<WindowEvent> events);
    ScriptedWindow& Message(WindowEvent event) { return Message(std::vector<WindowEvent>{event}); }
    ScriptedWindow& Frames(int count);
    ScriptedWindow& Quit() { return Message(WindowEvent{WindowEvent::Type::Quit, 0, 0, 0}); }
    // Runs action when the loop reaches this point of the script (it is no message).
    ScriptedWindow& Then(std::function<void()> action);

    bool Start() override;
    ScreenSize PrimaryScreen() const override { return m_options.screen; }
    bool Open(int x, int y, int width, int height, bool fullscreen) override;
    void SetTitle(const std::string& title) override;
    bool StartEngine(Lumaspace::GE& engine, float windowWidth, float windowHeight, float screenWidth,
                     float screenHeight, bool fullscreen) override;
    // Posted messages first (they are in the queue now), then the script. A script that runs out without a
    // quit message fails the test and ends the loop.
    bool PollEvent(std::vector<WindowEvent>& events) override;
    void PostQuit() override;
    WindowRects Rects() const override { return m_options.rects; }
    void HideSystemCursor() override;
    void ShowError(const std::string& message) override;
    std::string LastError() const override { return "scripted failure"; }
    void Close() override;

    const std::vector<std::string>& Errors() const { return m_errors; }

private:
    std::shared_ptr<Journal> m_journal;
    Options m_options;
    struct Step {
        bool queueEmpty = false;  // else a message of these events
        std::vector<WindowEvent> events;
        std::function<void()> action;
    };

    std::deque<Step> m_script;
    std::deque<WindowEvent> m_posted;
    std::vector<std::string> m_errors;
};

}  // namespace ombrin::test
