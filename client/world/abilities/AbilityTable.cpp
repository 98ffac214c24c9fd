#include "client/world/abilities/AbilityTable.h"

using protocol::AbilityId;

namespace {

constexpr float kToolRange = 20.0f;
constexpr double kShurikenGap = 0.4;

constexpr std::array<AbilityRow, kAbilityCount> kRows = {{
    {AbilityId::ShurikenAbility, 2.0f, 2.0f, 3, kShurikenGap, false, 0.0f, 0.0f,
     "The ninja throws a shuriken straight ahead.\n\nThis ability has 3 charges,\nallowing for a rapid "
     "flurry of "
     "shurikens."},
    {AbilityId::Dash, 7.0f, 7.0f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja dashes forwards a short distance,\ndamaging enemies that he passes through."},
    {AbilityId::MeleeSwing, 0.7f, 0.7f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja makes a quick forward attack with his katana."},
    {AbilityId::MegaShuriken, 5.0f, 5.0f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja hurls an absurdly large shuriken,\ndoing heavy damage to enemies struck by it."},
    {AbilityId::SmokeBombAbility, 6.0f, 6.0f, -1, 0.0, true, 3.0f, kToolRange,
     "The ninja lobs a smoke bomb at the target,\nobscuring vision for everyone in the area."},
    {AbilityId::SpikeAbility, 6.0f, 6.0f, -1, 0.0, true, 2.3f, kToolRange,
     "The ninja scatter pointy caltrops over the area,\ndamaging enemies who enter the zone."},
    {AbilityId::FanMelee, 0.5f, 0.5f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja swings her metal tessen in an arc in front of her."},
    {AbilityId::WhipPrimaryAttackAbility, 2.0f, 2.0f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja attacks forward with her chain whip."},
    {AbilityId::WhipSecondaryAttackAbility, 5.0f, 5.0f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja spins her whip in a wide circle around her,\ndamaging enemies caught in its path."},
    // The bar shows this one fully shaded until it is ready.
    {AbilityId::FanBoomerangAbility, 2.0f, 0.0f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja throws her tessen like a boomerang,\nwhich returns to her if it strikes an enemy or object."},
    {AbilityId::NaginataSlash, 0.5f, 0.5f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja swings his spear in front of him,\ndealing damage in a small arc."},
    {AbilityId::KunaiAbility, 2.0f, 2.0f, 4, 0.0, false, 0.0f, 0.0f,
     "The ninja throws a kunai forwards.\n\nThis ability has 5 charges,\nallowing for a barrage of kunai."},
    {AbilityId::StickyTrapAbility, 6.0f, 6.0f, -1, 0.0, true, 3.0f, kToolRange,
     "The ninja shatters a vial of sticky sludge against the ground,\nhampering the movement of anyone who "
     "steps "
     "in the contents."},
    {AbilityId::NaginataStab, 4.0f, 4.0f, -1, 0.0, false, 0.0f, 0.0f,
     "The ninja performs a flurry of stabs with his spear,\nover a short period of time."},
    {AbilityId::VolleyAbility, 4.0f, 4.0f, -1, 0.0, true, 0.0f, 0.0f,
     "The ninja throws several kunai into the air,\nsending them in a high arc towards a small target.\nThis "
     "requires a precise aim, but deals massive damage."},
    {AbilityId::FlashBangAbility, 8.0f, 8.0f, -1, 0.0, true, 7.0f, kToolRange,
     "The ninja throws a stun grenade,\nblinding anyone who stands to close to\nor looks towards its point "
     "of "
     "impact"},
}};

constexpr std::array<NinjaAbilities, 3> kNinjas = {{
    {AbilityId::MeleeSwing, AbilityId::Dash, AbilityId::ShurikenAbility, AbilityId::MegaShuriken},
    {AbilityId::FanMelee, AbilityId::FanBoomerangAbility, AbilityId::WhipPrimaryAttackAbility,
     AbilityId::WhipSecondaryAttackAbility},
    {AbilityId::NaginataSlash, AbilityId::NaginataStab, AbilityId::KunaiAbility, AbilityId::VolleyAbility},
}};

constexpr std::array<AbilityId, 4> kTools = {AbilityId::SpikeAbility, AbilityId::SmokeBombAbility,
                                             AbilityId::StickyTrapAbility, AbilityId::FlashBangAbility};

}  // namespace

const std::array<AbilityRow, kAbilityCount>& AbilityRows() {
    return kRows;
}

const AbilityRow* FindAbilityRow(std::int32_t id) {
    if (id < 0 || static_cast<std::size_t>(id) >= kRows.size()) {
        return nullptr;
    }
    return &kRows[static_cast<std::size_t>(id)];
}

std::optional<NinjaAbilities> AbilitiesOfNinja(std::int32_t character) {
    if (character < 0 || static_cast<std::size_t>(character) >= kNinjas.size()) {
        return std::nullopt;
    }
    return kNinjas[static_cast<std::size_t>(character)];
}

std::optional<AbilityId> AbilityOfTool(std::int32_t tool) {
    if (tool < 0 || static_cast<std::size_t>(tool) >= kTools.size()) {
        return std::nullopt;
    }
    return kTools[static_cast<std::size_t>(tool)];
}
