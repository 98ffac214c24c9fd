// The player manager's three periodic timers on the variable frame time: the position and visibility
// broadcasts every 0.1 s, the damage tick every 0.1 s and the heal tick every 3 s. Each timer is reset to
// its interval when it runs out, not advanced by it, so a tick comes at most once per frame and at least
// one interval after the previous one.
#pragma once

class TickTimers {
public:
    static constexpr double kBroadcastInterval = 0.1;
    static constexpr double kDamageTickInterval = 0.1;
    static constexpr double kHealTickInterval = 3.0;

    // All timers run out on the first frame; the damage tick starts pending.
    void Reset();
    // Advances every timer by dt. True when the broadcasts are due this frame.
    bool Advance(double dt);

    // A tick flag stays set until the code that applies damage or healing consumes it; the consumption
    // takes effect at the next Advance.
    bool IsDamageTick() const { return m_damageTick; }
    void ConsumeDamageTick() { m_damageTickConsumed = true; }
    bool IsHealTick() const { return m_healTick; }
    void ConsumeHealTick() { m_healTickConsumed = true; }

private:
    double m_broadcastTimer = 0.0;
    double m_damageTickTimer = 0.0;
    double m_healTickTimer = 0.0;
    bool m_damageTick = true;
    bool m_damageTickConsumed = false;
    bool m_healTick = false;
    bool m_healTickConsumed = false;
};
