#include "server/FrameTimer.h"

#include <chrono>

FrameTimer::FrameTimer()
    : FrameTimer(
          [] {
              return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                   std::chrono::steady_clock::now().time_since_epoch())
                                                   .count());
          },
          1e9) {}

FrameTimer::FrameTimer(Counter counter, double ticksPerSecond)
    : m_counter(std::move(counter)), m_frequency(ticksPerSecond) {}

void FrameTimer::Start() {
    m_lastCounter = m_counter();
    m_frameDelta = 0.0;
}

double FrameTimer::Tick() {
    const std::int64_t now = m_counter();
    const std::int64_t ticks = now - m_lastCounter;
    m_lastCounter = now;
    const float elapsed = ticks < 0 ? 0.0f : static_cast<float>(ticks);
    m_frameDelta = static_cast<double>(elapsed) / m_frequency;
    return m_frameDelta;
}
