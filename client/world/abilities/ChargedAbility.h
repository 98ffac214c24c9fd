// The abilities with charges: ShurikenAbility (3 charges, at least 0.4 s between two throws) and
// KunaiAbility (4 charges, no wait between throws). Each use takes a charge; while the ability is not full,
// one charge comes back every 2.0 s, whatever the number of throws in between. The cooldown is the time to
// the next charge.
#pragma once

#include "client/world/abilities/Ability.h"

class ChargedAbility final : public Ability {
public:
    // Full, with the last throw long enough ago that the first may go at once.
    ChargedAbility(const AbilityRow& row, AbilitySender& sender);

    // The cooldown runs down; once it has run out a charge comes back, and if the ability is still not
    // full the next charge's cooldown starts.
    void Update(double frameTime) override;
    // Refused without a charge or within the row's gap after the last throw. Otherwise sends the use,
    // starts the recharge if the ability was full, and takes a charge.
    bool Execute(float distance) override;
    // Cooldown 0 and every charge back.
    void ResetCooldown() override;
    std::int32_t GetCharges() const override { return m_charges; }
    bool IsReady() const override { return m_charges > 0; }

private:
    std::int32_t m_charges;
    double m_sinceThrow;
};
