// Measures the time between frames with a monotonic counter. The server has no fixed time step: every frame
// advances the game by the measured delta.
#pragma once

#include <cstdint>
#include <functional>

class FrameTimer {
public:
    // The counter in ticks and its ticks per second; the steady clock in nanoseconds by default.
    using Counter = std::function<std::int64_t()>;
    FrameTimer();
    FrameTimer(Counter counter, double ticksPerSecond);

    // Takes the time base: the next Tick measures from here.
    void Start();
    // Seconds since the previous Tick (or Start). A counter that went backwards gives 0.
    double Tick();
    double GetFrameDelta() const { return m_frameDelta; }

private:
    Counter m_counter;
    double m_frequency;
    std::int64_t m_lastCounter = 0;
    double m_frameDelta = 0.0;
};
