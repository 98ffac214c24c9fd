// A countdown in whole seconds, announced to the clients each time it passes a second: 10, 9, ..., 1 for
// 10 s. The step that brings it to zero or below ends it without announcing 0.
#pragma once

#include <optional>

class Countdown {
public:
    void Start(float length);
    // Counts down by dt (in single precision, as the timer is kept). The second to announce (the whole
    // seconds left, rounded up) when the countdown passed one, else nothing.
    std::optional<int> Step(double dt);
    bool Expired() const { return m_timer <= 0.0f; }
    // The time until a step announces the next second or ends the countdown; 0 once that is due.
    double SecondsUntilNextStep() const;
    float TimeLeft() const { return m_timer; }

private:
    float m_timer = 0.0f;
    int m_lastAnnouncedSecond = 0;
};
