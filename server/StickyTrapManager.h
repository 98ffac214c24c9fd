// Sticky traps: thrown at a ground point, they lie there for 20 s after landing. The server only times
// them; their effect on movement is the clients'.
#pragma once

#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/ObjectStore.h"
#include "shared/LevelRecords.h"

namespace RakNet {
class RakPeerInterface;
}

inline constexpr float kStickyTrapDuration = 20.0f;

struct StickyTrapRecord {
    int id = 0;
    GroundPoint start;
    GroundPoint target;
    float lifetimeLeft = 0.0f;  // flight time + kStickyTrapDuration at the throw
    float flightTimeLeft = 0.0f;
    RakNet::RakNetGUID owner;
};

class StickyTrapManager {
public:
    bool Initialize(RakNet::RakPeerInterface* peer);
    void Shutdown();

    // Creates a sticky trap and announces it (ID_STICKYTRAP_ADD); false, creating and sending nothing, when
    // the manager is full.
    bool AddStickyTrap(const GroundPoint& start, const GroundPoint& target, const RakNet::RakNetGUID& owner);
    // Ages every sticky trap; one whose lifetime ran out is removed and the removal announced.
    void Update(double frameTime);
    // Removes the sticky trap and announces it (ID_STICKYTRAP_REMOVE); false when no trap has this id.
    bool RemoveObject(int id);
    // Round start: every sticky trap goes without a remove message.
    void ClearObjects() { m_objects.Clear(); }
    std::vector<StickyTrapRecord> GetObjects() const { return m_objects.Records(); }
    void SetRandomSource(ObjectRandomSource random) { m_objects.SetRandomSource(std::move(random)); }

private:
    RakNet::RakPeerInterface* m_peer = nullptr;
    ObjectStore<StickyTrapRecord> m_objects;
};
