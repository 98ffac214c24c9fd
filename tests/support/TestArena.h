// The small arena the hostile-traffic tests and the server fuzz target play on: four red spawn points west
// and four blue east of a tall pillar, the three runes on the midline, a shadow outline round the pillar and
// a crate, written by the level writer of the content tool. Two copies of it form the level rotation. The
// spawn points lie outside the square that sudden death spares, so a player who never leaves its spawn
// point (the attacker of the hostile-traffic test) cannot hold a round open for good.
#pragma once

#include <string>

#include "GameFolder.h"

inline constexpr const char* kArenaLevels[] = {"ArenaOne.ZMDL", "ArenaTwo.ZMDL"};

// The level file text, or an empty string when the writer refuses the layout.
std::string TestArenaText();
// The level list, both levels and every model the server takes collision shapes from; false when a file
// could not be written.
bool InstallTestArena(const GameFolder& folder);
