#include "client/world/abilities/ChargedAbility.h"

namespace {

// Longer than any throw gap: the first throw may go at once.
constexpr double kFirstSinceThrow = 1.4;

}  // namespace

ChargedAbility::ChargedAbility(const AbilityRow& row, AbilitySender& sender)
    : Ability(row, sender), m_charges(row.charges), m_sinceThrow(kFirstSinceThrow) {}

void ChargedAbility::Update(double frameTime) {
    Ability::Update(frameTime);
    if (m_charges < Row().charges && m_cooldown <= 0.0) {
        ++m_charges;
        if (m_charges < Row().charges) {
            m_cooldown = static_cast<double>(Row().cooldown);
        }
    }
    m_sinceThrow += frameTime;
}

bool ChargedAbility::Execute(float distance) {
    if (Row().throwGap > 0.0 && m_sinceThrow <= Row().throwGap) {
        return false;
    }
    if (m_charges <= 0) {
        return false;
    }
    SendUse(distance);
    if (m_charges == Row().charges) {
        m_cooldown = static_cast<double>(Row().cooldown);
    }
    --m_charges;
    m_sinceThrow = 0.0;
    return true;
}

void ChargedAbility::ResetCooldown() {
    m_cooldown = 0.0;
    m_charges = Row().charges;
}
