// The clock of the round being fought, in minutes and seconds since its start.
#pragma once

class RoundClock {
public:
    void Reset() {
        m_minutes = 0.0;
        m_seconds = 0.0;
    }
    // Seconds wrap into a minute at 60.
    void Advance(double dt) {
        m_seconds += dt;
        if (m_seconds >= 60.0) {
            m_seconds -= 60.0;
            m_minutes += 1.0;
        }
    }
    bool AtStart() const { return m_minutes == 0.0 && m_seconds == 0.0; }
    double Minutes() const { return m_minutes; }
    double Seconds() const { return m_seconds; }

private:
    double m_minutes = 0.0;
    double m_seconds = 0.0;
};
