#include "tools/bots/AbilityKit.h"

namespace {

// Cooldown set on use, seconds.
constexpr std::array<double, kAbilityCount> kCooldowns = {
    2.0, 7.0, 0.699999988079071, 5.0, 6.0, 6.0, 0.5, 2.0, 5.0, 2.0, 0.5, 2.0, 6.0, 4.0, 4.0, 8.0};
constexpr double kRecharge = 2.0;
constexpr double kShurikenSpacing = 0.4;

int MaxCharges(std::int32_t ability) {
    return ability == kShuriken ? 3 : ability == kKunai ? 4 : 0;
}

bool Valid(std::int32_t ability) {
    return ability >= 0 && ability < kAbilityCount;
}

}  // namespace

AbilityKit::AbilityKit(std::int32_t character, std::int32_t tool) {
    switch (character) {
        case 1:
            m_slots = {kFanMelee, kWhipPrimary, kFanBoomerang, kWhipSecondary, 0};
            break;
        case 2:
            m_slots = {kNaginataSlash, kKunai, kNaginataStab, kVolley, 0};
            break;
        default:
            m_slots = {kMeleeSwing, kShuriken, kDash, kMegaShuriken, 0};
            break;
    }
    constexpr std::array<std::int32_t, 4> kTools = {kCaltrops, kSmokeBomb, kStickyTrap, kFlashBang};
    m_slots[4] = tool >= 0 && tool < 4 ? kTools[static_cast<std::size_t>(tool)] : kCaltrops;
    Reset();
}

void AbilityKit::Reset() {
    m_cooldown.fill(0.0);
    for (std::int32_t a = 0; a < kAbilityCount; ++a) {
        m_charges[static_cast<std::size_t>(a)] = MaxCharges(a);
    }
    m_global = 0.0;
    m_sinceShuriken = 1.4;
}

void AbilityKit::Update(double dt) {
    m_global -= dt;
    m_sinceShuriken += dt;
    for (std::int32_t a = 0; a < kAbilityCount; ++a) {
        const auto i = static_cast<std::size_t>(a);
        if (m_cooldown[i] > 0.0) {
            m_cooldown[i] -= dt;
        }
        const int full = MaxCharges(a);
        if (full > 0 && m_charges[i] < full && m_cooldown[i] <= 0.0) {
            ++m_charges[i];
            if (m_charges[i] < full) {
                m_cooldown[i] = kRecharge;
            }
        }
    }
}

bool AbilityKit::Ready(std::int32_t ability) const {
    if (!Valid(ability) || m_global > 0.0) {
        return false;
    }
    const auto i = static_cast<std::size_t>(ability);
    if (MaxCharges(ability) > 0) {
        return m_charges[i] > 0 && (ability != kShuriken || m_sinceShuriken > kShurikenSpacing);
    }
    return m_cooldown[i] <= 0.0;
}

bool AbilityKit::Use(std::int32_t ability) {
    if (!Ready(ability)) {
        return false;
    }
    const auto i = static_cast<std::size_t>(ability);
    const int full = MaxCharges(ability);
    if (full > 0) {
        if (m_charges[i] == full) {
            m_cooldown[i] = kRecharge;
        }
        --m_charges[i];
        if (ability == kShuriken) {
            m_sinceShuriken = 0.0;
        }
    } else {
        m_cooldown[i] = kCooldowns[i];
    }
    m_global = kGlobalCooldown;
    return true;
}

int AbilityKit::Charges(std::int32_t ability) const {
    return Valid(ability) ? m_charges[static_cast<std::size_t>(ability)] : 0;
}

bool AbilityKit::SendsDistance(std::int32_t ability) {
    return ability == kSmokeBomb || ability == kCaltrops || ability == kStickyTrap || ability == kVolley ||
           ability == kFlashBang;
}
