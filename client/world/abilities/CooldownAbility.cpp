#include "client/world/abilities/CooldownAbility.h"

bool CooldownAbility::Execute(float distance) {
    if (m_cooldown > 0.0) {
        return false;
    }
    SendUse(distance);
    m_cooldown = static_cast<double>(Row().cooldown);
    return true;
}
