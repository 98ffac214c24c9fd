// Sudden-death damage to living players outside the centre square, run every frame once sudden death has
// lasted 10 s. So far only the seam; the damage comes with the rune and sudden-death rules.
#pragma once

#include "server/ServerPlayerManager.h"

inline void SuddenDeathCheck(ServerPlayerManager& /*players*/, double /*frameTime*/) {}
