// Caltrops: thrown at a ground point, they lie there for 20 s after landing and hurt every enemy of their
// owner standing within 1.3 units of the point, 3 health per second.
#pragma once

#include <cstdint>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/ObjectStore.h"
#include "shared/LevelRecords.h"

namespace RakNet {
class RakPeerInterface;
}
class ServerPlayerManager;

inline constexpr float kSpikeTrapDuration = 20.0f;
inline constexpr float kSpikeTrapRadius = 1.3f;
inline constexpr float kSpikeTrapDamageRate = 3.0f;

struct SpikeTrapRecord {
    int id = 0;
    GroundPoint start;
    GroundPoint target;
    float lifetimeLeft = 0.0f;  // flight time + kSpikeTrapDuration at the throw
    float flightTimeLeft = 0.0f;
    std::int32_t ownerTeam = 0;  // the owner's team at the throw, the side it spares; told to the clients
    RakNet::RakNetGUID owner;
};

class SpikeTrapManager {
public:
    bool Initialize(RakNet::RakPeerInterface* peer);
    void Shutdown();

    // Creates caltrops and announces them (ID_SPIKETRAP_ADD); false, creating and sending nothing, when the
    // manager is full.
    bool AddSpikeTrap(const GroundPoint& start, const GroundPoint& target, std::int32_t ownerTeam,
                      const RakNet::RakNetGUID& owner);
    // Ages all caltrops; those whose lifetime ran out are removed and the removal announced.
    void Update(double frameTime);
    // Removes the caltrops and announces it (ID_SPIKETRAP_REMOVE); false when none has this id.
    bool RemoveObject(int id);
    // Round start: all caltrops go without a remove message.
    void ClearObjects() { m_objects.Clear(); }
    std::vector<SpikeTrapRecord> GetObjects() const { return m_objects.Records(); }
    void SetRandomSource(ObjectRandomSource random) { m_objects.SetRandomSource(std::move(random)); }

    // Each frame: every enemy of the owner (by the owner's team at the throw, also after the owner left)
    // with a body box within the landed caltrops' radius takes damage over time.
    void CheckCollisions(ServerPlayerManager& players, float frameTime);

private:
    RakNet::RakPeerInterface* m_peer = nullptr;
    ObjectStore<SpikeTrapRecord> m_objects;
};
