// Timing for the CPU benchmarks: how long one call takes, repeated for a fixed stretch of wall time.
#pragma once

#include <chrono>

// Repeats the call (twenty at a time) until runTime has passed; returns microseconds per call.
template <typename Call>
double MicrosecondsPerCall(Call call, std::chrono::milliseconds runTime = std::chrono::milliseconds(300)) {
    using Clock = std::chrono::steady_clock;
    long long calls = 0;
    const Clock::time_point start = Clock::now();
    Clock::duration elapsed{};
    while (elapsed < runTime) {
        for (int i = 0; i < 20; ++i) {
            call();
        }
        calls += 20;
        elapsed = Clock::now() - start;
    }
    return std::chrono::duration<double, std::micro>(elapsed).count() / static_cast<double>(calls);
}
