#include "server/Countdown.h"

#include <algorithm>

void Countdown::Start(float length) {
    m_timer = length;
    m_lastAnnouncedSecond = static_cast<int>(length);
}

std::optional<int> Countdown::Step(double dt) {
    m_timer -= static_cast<float>(dt);
    // Below zero only 0 matters (nothing is announced from there), and the clamp keeps the conversion to int
    // defined whatever the frame time.
    const int whole = static_cast<int>(std::max(m_timer, -1.0f));
    if (whole < m_lastAnnouncedSecond && whole >= 0) {
        m_lastAnnouncedSecond = whole;
        return whole + 1;
    }
    return std::nullopt;
}

double Countdown::SecondsUntilNextStep() const {
    // A second is announced once the timer is below the last one announced; the last (0) ends it.
    return std::max(0.0, static_cast<double>(m_timer) - static_cast<double>(m_lastAnnouncedSecond));
}
