// The constants of the sixteen abilities, one row per ability identifier, and which abilities each ninja and
// each lobby tool carries. The row of an ability is what its client object is built from (CreateAbility);
// the descriptions are the texts of the ability bar's tooltips, line breaks included.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "protocol/MessageIds.h"

struct AbilityRow {
    protocol::AbilityId id;
    // The cooldown a use starts; for an ability with charges, the time one charge takes to come back.
    float cooldown;
    // What the ability bar shades as a full cooldown.
    float cooldownLength;
    // -1 for an ability without charges.
    std::int32_t charges;
    // The shortest time between two uses of an ability with charges, in seconds; 0 for none.
    double throwGap;
    // Whether a use sends the aimed distance (thrown at a point on the ground); the others send 0.
    bool sendsAimedDistance;
    // The area a tool covers and how far its marker may reach; 0 for the other abilities.
    float areaRadius;
    float range;
    const char* description;
};

inline constexpr std::size_t kAbilityCount = 16;

// Every row, in identifier order (row i has identifier i).
const std::array<AbilityRow, kAbilityCount>& AbilityRows();
// The row of a player's ability; none for an identifier outside 0 ... 15.
const AbilityRow* FindAbilityRow(std::int32_t id);

// A ninja's four own abilities, by slot.
struct NinjaAbilities {
    protocol::AbilityId melee;
    protocol::AbilityId q;
    protocol::AbilityId ranged;
    protocol::AbilityId e;
};

// By character number as the network carries it (0 katana, 1 tessen, 2 naginata); none for another number.
std::optional<NinjaAbilities> AbilitiesOfNinja(std::int32_t character);
// The ability of a lobby tool number (0 caltrops, 1 smoke bomb, 2 sticky trap, 3 flash bang); none for
// another number.
std::optional<protocol::AbilityId> AbilityOfTool(std::int32_t tool);
