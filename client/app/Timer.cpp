#include "client/app/Timer.h"

#include <chrono>
#include <utility>

namespace {
std::int64_t SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

Timer::Timer() : Timer(SteadyNanoseconds, 1e9) {}

Timer::Timer(Counter counter, double ticksPerSecond)
    : m_counter(std::move(counter)), m_ticksPerSecond(ticksPerSecond) {}

void Timer::Start() {
    frequency = m_ticksPerSecond;
    lastCount = m_counter();
    deltaTime = 0.0;
    fpsTime = 0.0;
    frameCount = 0;
    fps = 0;
}

void Timer::Update() {
    const std::int64_t now = m_counter();
    double elapsed = static_cast<double>(now - lastCount);
    lastCount = now;
    if (elapsed < 0.0) {
        elapsed = 0.0;
    }
    frameCount += 1;
    deltaTime = frequency > 0.0 ? elapsed / frequency : 0.0;
    fpsTime += deltaTime;
    if (fpsTime > 1.0) {
        fps = frameCount;
        frameCount = 0;
        fpsTime = 0.0;
    }
}
