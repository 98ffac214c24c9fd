#include "client/world/SmartCast.h"

void SmartCast::Update(const PlayerInput& input) {
    if (!m_started) {
        m_on = input.smartCast;
        m_started = true;
    }
    if (!input.smartCastToggle) {
        m_on = input.smartCast != input.space.down;
    } else if (input.space.released) {
        m_on = !m_on;
    }
}
