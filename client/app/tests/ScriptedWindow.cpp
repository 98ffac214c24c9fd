#include "client/app/tests/ScriptedWindow.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Lumagrid/GE.h"

namespace ombrin::test {

namespace {
std::string Sizes(float a, float b) {
    return std::to_string(static_cast<int>(a)) + "x" + std::to_string(static_cast<int>(b));
}
}  // namespace

void Journal::Add(std::string entry) {
    std::error_code error;
    if (!m_sawWatched && !m_watched.empty() && std::filesystem::exists(m_watched, error)) {
        m_sawWatched = true;
        m_entries.push_back("<settings saved>");
    }
    m_entries.push_back(std::move(entry));
}

std::vector<std::string> Journal::From(const std::string& start) const {
    const auto first = std::find(m_entries.begin(), m_entries.end(), start);
    return std::vector<std::string>(first == m_entries.end() ? m_entries.begin() : first, m_entries.end());
}

ScriptedWindow::ScriptedWindow(std::shared_ptr<Journal> journal, Options options)
    : m_journal(std::move(journal)), m_options(options) {}

ScriptedWindow& ScriptedWindow::Message(std::vector<WindowEvent> events) {
    m_script.push_back(Step{false, std::move(events), {}});
    return *this;
}

ScriptedWindow& ScriptedWindow::Frames(int count) {
    for (int i = 0; i < count; ++i) {
        m_script.push_back(Step{true, {}, {}});
    }
    return *this;
}

ScriptedWindow& ScriptedWindow::Then(std::function<void()> action) {
    m_script.push_back(Step{false, {}, std::move(action)});
    return *this;
}

bool ScriptedWindow::Start() {
    m_journal->Add("window.Start");
    return !m_options.startFails;
}

bool ScriptedWindow::Open(int x, int y, int width, int height, bool fullscreen) {
    m_journal->Add("window.Open " + std::to_string(x) + "," + std::to_string(y) + " " +
                   Sizes(float(width), float(height)) + (fullscreen ? " fullscreen" : " windowed"));
    return !m_options.openFails;
}

void ScriptedWindow::SetTitle(const std::string& title) {
    m_journal->Add("window.SetTitle " + title);
}

bool ScriptedWindow::StartEngine(Lumaspace::GE& engine, float windowWidth, float windowHeight,
                                 float screenWidth, float screenHeight, bool fullscreen) {
    m_journal->Add("window.StartEngine " + Sizes(windowWidth, windowHeight) + " " +
                   Sizes(screenWidth, screenHeight));
    return engine.InitializeNull(windowWidth, windowHeight, screenWidth, screenHeight, fullscreen);
}

bool ScriptedWindow::PollEvent(std::vector<WindowEvent>& events) {
    events.clear();
    if (!m_posted.empty()) {
        events.push_back(m_posted.front());
        m_posted.pop_front();
        m_journal->Add("message");
        return true;
    }
    while (!m_script.empty() && m_script.front().action) {
        const std::function<void()> action = std::move(m_script.front().action);
        m_script.pop_front();
        action();
    }
    if (m_script.empty()) {
        ADD_FAILURE() << "the script ran out before the loop ended";
        events.push_back(WindowEvent{WindowEvent::Type::Quit, 0, 0, 0});
        return true;
    }
    Step next = std::move(m_script.front());
    m_script.pop_front();
    if (next.queueEmpty) {
        return false;
    }
    events = std::move(next.events);
    m_journal->Add("message");
    return true;
}

void ScriptedWindow::PostQuit() {
    m_posted.push_back(WindowEvent{WindowEvent::Type::Quit, 0, 0, 0});
}

void ScriptedWindow::HideSystemCursor() {
    m_journal->Add("window.HideSystemCursor");
}

void ScriptedWindow::ShowError(const std::string& message) {
    m_journal->Add("window.ShowError");
    m_errors.push_back(message);
}

void ScriptedWindow::Close() {
    m_journal->Add("window.Close");
}

}  // namespace ombrin::test
