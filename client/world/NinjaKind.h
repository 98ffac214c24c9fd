// The three ninjas a player can be, by the character number the network carries: the class name players
// know them by, the model and the walking speed of each. Their four abilities are the ability table's
// (AbilitiesOfNinja); the tool is the player's own choice and comes with the player.
#pragma once

#include <cstdint>

#include "client/world/abilities/AbilityTable.h"

struct NinjaKind {
    std::int32_t character;  // 0..2
    const char* className;   // "KatanaNinja", "TessenNinja", "NaginataNinja"
    const char* modelPath;
    float baseSpeed;  // units per second

    // The ninja's melee, Q, ranged and E abilities.
    NinjaAbilities Abilities() const { return *AbilitiesOfNinja(character); }
    // The Q special is the dash: its animation number 2 starts the dash trail and 5 stops it.
    bool DashesWithQ() const { return Abilities().q == protocol::AbilityId::Dash; }
};

// The kind of a character number; null for a number that names none (no player is made for it).
const NinjaKind* FindNinjaKind(std::int32_t character);
