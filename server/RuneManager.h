// The level's three runes (heal, invisibility, shield) and the timers of their effects. So far only the
// seam the round clock drives: spawned at 0:30, the heal rune again at 1:30, reset at every round start and
// clock restart; placing, taking and announcing them come with the rune rules.
#pragma once

#include "shared/LevelData.h"

namespace RakNet {
class RakPeerInterface;
}

class RuneManager {
public:
    bool Initialize(RakNet::RakPeerInterface* /*peer*/, const LevelData& /*level*/) { return true; }
    void Shutdown() {}
    void UpdateTimers(double /*frameTime*/) {}
    void SpawnAllRunes() {}
    void RespawnHealRune() {}
    void ResetRunes() {}
};
