#include "client/world/abilities/AimMarkerStyle.h"

#include "client/world/abilities/AbilityTable.h"

using protocol::AbilityId;

namespace {

constexpr float kNarrow = 1.0f;
constexpr float kWide = 5.0f;

AimMarkerStyle Arrow(float width, float range = 0.0f, bool tallOnly = true) {
    return {AimMarkerKind::Arrow, width, range, tallOnly, 0.0f};
}

AimMarkerStyle ArrowBody(float width, float range) {
    return {AimMarkerKind::ArrowBody, width, range, true, 0.0f};
}

AimMarkerStyle Circle(float radius, float range) {
    return {AimMarkerKind::Circle, 1.0f, range, true, radius};
}

}  // namespace

AimMarkerStyle AimMarkerStyleOf(AbilityId id) {
    switch (id) {
        case AbilityId::MeleeSwing:
        case AbilityId::FanMelee:
        case AbilityId::NaginataSlash:
            return {AimMarkerKind::Cone};
        case AbilityId::ShurikenAbility:
        case AbilityId::KunaiAbility:
            return Arrow(kNarrow);
        // Every box shortens the dash preview: the dash stops at low walls too.
        case AbilityId::Dash:
            return Arrow(kWide, 13.0f, false);
        case AbilityId::MegaShuriken:
        case AbilityId::FanBoomerangAbility:
            return Arrow(kWide);
        case AbilityId::WhipPrimaryAttackAbility:
            return ArrowBody(kNarrow, 9.0f);
        case AbilityId::NaginataStab:
            return ArrowBody(kNarrow, 4.8f);
        case AbilityId::VolleyAbility:
            return Circle(2.0f, 20.0f);
        case AbilityId::WhipSecondaryAttackAbility:
            return {AimMarkerKind::CircleOnPlayer, 1.0f, 0.0f, true, 8.0f};
        case AbilityId::SmokeBombAbility:
        case AbilityId::SpikeAbility:
        case AbilityId::StickyTrapAbility:
        case AbilityId::FlashBangAbility: {
            const AbilityRow& row = *FindAbilityRow(static_cast<std::int32_t>(id));
            return Circle(row.areaRadius, row.range);
        }
        case AbilityId::SuddenDeath:
            break;
    }
    return {AimMarkerKind::Cone};
}
