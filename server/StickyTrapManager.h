// Sticky traps in flight and on the ground. So far only the seam the game state drives: created per level,
// advanced every frame and emptied at every round start; the objects themselves come with the combat rules.
#pragma once

namespace RakNet {
class RakPeerInterface;
}

class StickyTrapManager {
public:
    bool Initialize(RakNet::RakPeerInterface* /*peer*/) { return true; }
    void Shutdown() {}
    void Update(double /*frameTime*/) {}
    // Round start: every object goes without a remove message (the clients empty their own lists).
    void ClearObjects() {}
};
