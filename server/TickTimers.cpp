#include "server/TickTimers.h"

void TickTimers::Reset() {
    m_broadcastTimer = 0.0;
    m_damageTickTimer = 0.0;
    m_healTickTimer = 0.0;
    m_damageTick = true;
    m_damageTickConsumed = false;
    m_healTick = false;
    m_healTickConsumed = false;
}

bool TickTimers::Advance(double dt) {
    bool broadcast = false;
    m_broadcastTimer -= dt;
    if (m_broadcastTimer < 0.0) {
        m_broadcastTimer = kBroadcastInterval;
        broadcast = true;
    }

    m_damageTickTimer -= dt;
    if (m_damageTickConsumed) {
        m_damageTick = false;
        m_damageTickConsumed = false;
    }
    if (m_damageTickTimer < 0.0) {
        m_damageTickTimer = kDamageTickInterval;
        m_damageTick = true;
    }

    m_healTickTimer -= dt;
    if (m_healTickConsumed) {
        m_healTick = false;
        m_healTickConsumed = false;
    }
    if (m_healTickTimer < 0.0) {
        m_healTickTimer = kHealTickInterval;
        m_healTick = true;
    }
    return broadcast;
}
