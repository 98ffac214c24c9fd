// The three playable ninjas: skinned models with the sixteen clips the game plays.
//   Ninja1: katana (melee swing, shuriken, dash, mega shuriken)
//   Ninja2: iron fans and a chain whip (fan swing, whip lash, fan throw, whip sweep)
//   Ninja3: naginata (slash, kunai, stab flurry, kunai volley)
#pragma once

#include "shared/ModelFileData.h"

ModelFileData BuildKatanaNinja();
ModelFileData BuildTessenNinja();
ModelFileData BuildNaginataNinja();
