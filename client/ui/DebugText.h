// The debug overlay in the top-left corner: the frame rate, the process's memory and the ping (the
// performance lines), and the traffic rates with the most frequent messages (the network lines). Each group
// is switched on and off by its own key; both start hidden.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "client/ui/TextObject.h"

// What the overlay shows in one frame, and which groups to switch.
struct DebugReadings {
    int framesPerSecond = 0;
    int workingSetMegabytes = 0;
    int averagePingMs = 0;
    double inBytesPerSecond = 0.0;
    double outBytesPerSecond = 0.0;
    std::string inMessageTable;      // lines "InMessage: <name>  Nr: <count>"
    std::string outMessageTable;     // lines "OutMessage: <name>  Nr: <count>"
    bool togglePerformance = false;  // the performance key was released this frame
    bool toggleNetwork = false;      // the network key was released this frame
};

class DebugText {
public:
    enum Line { kFps, kRam, kPing, kIn, kOut, kInTable, kOutTable, kLineCount };

    static constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
    static constexpr std::uint32_t kWarning = 0xFF0000FFu;  // red
    static constexpr float kTextSize = 20.0f;
    static constexpr int kSlowestSmoothFps = 30;       // at or below: the frame rate shows red
    static constexpr int kLargestCalmMegabytes = 256;  // above: the memory shows red

    // The seven texts in the system font for a window of that size. Returns true.
    bool Initialize(int windowWidth, int windowHeight);
    // Keeps the lines in the top-left corner of a window that changed its size.
    void Resize(int windowWidth, int windowHeight);
    void Update(const DebugReadings& readings);
    // Queues the shown lines.
    void Render() const;
    void Shutdown();

    bool PerformanceShown() const { return m_performanceShown; }
    bool NetworkShown() const { return m_networkShown; }
    const TextObject& Text(Line line) const { return m_lines.at(line); }

private:
    struct Place {
        float x;
        float y;
    };
    static void Set(TextObject& text, const std::string& value);
    static std::array<Place, kLineCount> Places(int windowWidth, int windowHeight);

    std::array<TextObject, kLineCount> m_lines;
    bool m_performanceShown = false;
    bool m_networkShown = false;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
};
