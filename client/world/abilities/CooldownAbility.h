// The fourteen abilities whose only limit is their cooldown (every ability but the shuriken and the kunai):
// MeleeSwing, Dash, MegaShuriken, FanMelee, FanBoomerangAbility, WhipPrimaryAttackAbility,
// WhipSecondaryAttackAbility, NaginataSlash, NaginataStab, VolleyAbility and the four tools
// (SpikeAbility, SmokeBombAbility, StickyTrapAbility, FlashBangAbility). They differ only in their rows of
// the ability table.
#pragma once

#include "client/world/abilities/Ability.h"

class CooldownAbility final : public Ability {
public:
    // Ready at once.
    CooldownAbility(const AbilityRow& row, AbilitySender& sender) : Ability(row, sender) {}

    // Refused while the cooldown is above 0; otherwise sends the use and starts the row's cooldown (as the
    // row's single-precision value widened, so the melee swing cools for 0.699999988079071 s).
    bool Execute(float distance) override;
};
