// Smoke bombs: thrown at a ground point, they fly for their flight time and then smoke for 4 s. The
// server only times them; the smoke blocks sight on the clients.
#pragma once

#include <vector>

#include "server/ObjectStore.h"
#include "shared/LevelRecords.h"

namespace RakNet {
class RakPeerInterface;
}

inline constexpr float kSmokeDuration = 4.0f;

struct SmokeBombRecord {
    int id = 0;
    GroundPoint start;
    GroundPoint target;
    float lifetimeLeft = 0.0f;  // flight time + kSmokeDuration at the throw
};

class SmokeBombManager {
public:
    bool Initialize(RakNet::RakPeerInterface* peer);
    void Shutdown();

    // Creates a smoke bomb and announces it (ID_SMOKEBOMB_ADD); false, creating and sending nothing, when
    // the manager is full.
    bool AddSmokeBomb(const GroundPoint& start, const GroundPoint& target);
    // Ages every smoke bomb; one whose lifetime ran out is removed and the removal announced.
    void Update(double frameTime);
    // Removes the smoke bomb and announces it (ID_SMOKEBOMB_REMOVE); false when no smoke bomb has this id.
    bool RemoveObject(int id);
    // Round start: every smoke bomb goes without a remove message.
    void ClearObjects() { m_objects.Clear(); }
    std::vector<SmokeBombRecord> GetObjects() const { return m_objects.Records(); }
    void SetRandomSource(ObjectRandomSource random) { m_objects.SetRandomSource(std::move(random)); }

private:
    RakNet::RakPeerInterface* m_peer = nullptr;
    ObjectStore<SmokeBombRecord> m_objects;
};
