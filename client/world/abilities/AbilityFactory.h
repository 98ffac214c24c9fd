// Makes a player's abilities from the ability table.
#pragma once

#include <cstdint>
#include <memory>

#include "client/world/abilities/Ability.h"

class AbilitySender;

// The ability with this identifier, ready, reporting its uses to sender (which must outlive it); a plain
// Ability (no ability) for an identifier that names none.
std::unique_ptr<Ability> CreateAbility(std::int32_t id, AbilitySender& sender);
// The ability of a lobby tool number as the network reports it; a plain Ability for an unknown number.
std::unique_ptr<Ability> CreateToolAbility(std::int32_t tool, AbilitySender& sender);
