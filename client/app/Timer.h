// The frame timer: seconds between frames from a monotonic counter, and the frames counted in each second.
// There is no fixed time step; every update advances by the measured delta.
#pragma once

#include <cstdint>
#include <functional>

class Timer {
public:
    // The counter in ticks; the steady clock in nanoseconds unless given.
    using Counter = std::function<std::int64_t()>;

    Timer();
    Timer(Counter counter, double ticksPerSecond);

    // Takes the frequency and the current count; the next Update measures from here.
    void Start();
    // The seconds since the previous Update (a counter that went backwards counts as 0), and the frames per
    // second once more than a second has gathered.
    void Update();

    double frequency = 0.0;
    std::int64_t lastCount = 0;
    double deltaTime = 0.0;
    double fpsTime = 0.0;
    int frameCount = 0;
    int fps = 0;

private:
    Counter m_counter;
    double m_ticksPerSecond;
};
