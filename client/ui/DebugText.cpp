#include "client/ui/DebugText.h"

#include <cmath>

#include "client/ui/GUIQueue.h"

namespace {

// Whole bytes per second; a rate that is not a sensible number shows as 0.
std::string Rate(double bytesPerSecond) {
    if (!std::isfinite(bytesPerSecond) || bytesPerSecond < 0.0 || bytesPerSecond > 1e15) {
        bytesPerSecond = 0.0;
    }
    return std::to_string(static_cast<long long>(bytesPerSecond));
}

}  // namespace

// x0, y0 is the first line's anchor; a line every 25 pixels below it, the tables beside the traffic lines.
std::array<DebugText::Place, DebugText::kLineCount> DebugText::Places(int windowWidth, int windowHeight) {
    const float x0 = (30.0f - static_cast<float>(windowWidth)) / 2.0f;
    const float y0 = (static_cast<float>(windowHeight) - 20.0f) / 2.0f;
    return {Place{x0, y0},
            Place{x0, y0 - 25.0f},
            Place{x0, y0 - 50.0f},
            Place{x0, y0 - 75.0f},
            Place{x0, y0 - 100.0f},
            Place{x0 + 125.0f, y0 - 75.0f},
            Place{x0 + 125.0f, y0 - 200.0f}};
}

bool DebugText::Initialize(int windowWidth, int windowHeight) {
    constexpr std::array<const char*, kLineCount> kFirstTexts = {
        "0 fps", "RAM: 0 MB", "0 ms", "In: 0 B/s", "Out: 0 B/s", "In/Nr", "Out/Nr"};
    const std::array<Place, kLineCount> places = Places(windowWidth, windowHeight);
    for (std::size_t line = 0; line < kLineCount; ++line) {
        m_lines[line].CreateSystemText(kWhite, kFirstTexts[line], kTextSize, places[line].x, places[line].y);
    }
    m_windowWidth = windowWidth;
    m_windowHeight = windowHeight;
    m_performanceShown = false;
    m_networkShown = false;
    return true;
}

void DebugText::Resize(int windowWidth, int windowHeight) {
    if (windowWidth == m_windowWidth && windowHeight == m_windowHeight) {
        return;
    }
    const std::array<Place, kLineCount> places = Places(windowWidth, windowHeight);
    for (std::size_t line = 0; line < kLineCount; ++line) {
        m_lines[line].SetPosition(places[line].x, places[line].y);
    }
    m_windowWidth = windowWidth;
    m_windowHeight = windowHeight;
}

void DebugText::Set(TextObject& text, const std::string& value) {
    if (text.GetText() != value) {
        text.SetText(value);
    }
}

void DebugText::Update(const DebugReadings& readings) {
    if (readings.togglePerformance) {
        m_performanceShown = !m_performanceShown;
    }
    if (readings.toggleNetwork) {
        m_networkShown = !m_networkShown;
    }
    if (m_performanceShown) {
        Set(m_lines[kFps], std::to_string(readings.framesPerSecond) + " FPS");
        m_lines[kFps].colour = readings.framesPerSecond >= kSlowestSmoothFps ? kWhite : kWarning;
        Set(m_lines[kRam], "RAM: " + std::to_string(readings.workingSetMegabytes) + " MB");
        m_lines[kRam].colour = readings.workingSetMegabytes <= kLargestCalmMegabytes ? kWhite : kWarning;
        Set(m_lines[kPing], std::to_string(readings.averagePingMs) + " ms");
    }
    if (m_networkShown) {
        Set(m_lines[kIn], "In: " + Rate(readings.inBytesPerSecond) + " B/s");
        Set(m_lines[kOut], "Out: " + Rate(readings.outBytesPerSecond) + " B/s");
        Set(m_lines[kInTable], readings.inMessageTable);
        Set(m_lines[kOutTable], readings.outMessageTable);
    }
}

void DebugText::Render() const {
    GUIQueue& queue = GUIQueue::GetInstance();
    if (m_performanceShown) {
        for (Line line : {kFps, kRam, kPing}) {
            queue.AddText(&m_lines[line]);
        }
    }
    if (m_networkShown) {
        for (Line line : {kIn, kOut, kInTable, kOutTable}) {
            queue.AddText(&m_lines[line]);
        }
    }
}

void DebugText::Shutdown() {
    for (TextObject& text : m_lines) {
        text.Release();
    }
    m_performanceShown = false;
    m_networkShown = false;
}
