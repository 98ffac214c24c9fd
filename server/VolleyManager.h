// Volleys of arrows: thrown at a ground point, they land after a fixed flight time and hit every enemy of
// the owner with a body box within 0.5 units of the point. A landed volley is tested once, in the frame it
// lands, shows its impact and goes, whether or not anybody stood there; the clients time volleys
// themselves, so its removal is not announced.
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

// 2 x sqrt(2.142857074737549) / 3.5, whatever the distance.
inline constexpr float kVolleyFlightTime = 0.8364858f;
inline constexpr float kVolleyRadius = 0.5f;
inline constexpr float kVolleyDamage = 40.0f;

struct VolleyRecord {
    int id = 0;
    GroundPoint start;
    GroundPoint target;
    float flightTimeLeft = 0.0f;
    std::int32_t ownerTeam = 0;  // the owner's team at the throw, kept after the owner left
    RakNet::RakNetGUID owner;
};

class VolleyManager {
public:
    bool Initialize(RakNet::RakPeerInterface* peer);
    void Shutdown();

    // Creates a volley and announces it (ID_VOLLEY_ADD); false, creating and sending nothing, when the
    // manager is full.
    bool AddVolley(const GroundPoint& start, const GroundPoint& target, std::int32_t ownerTeam,
                   const RakNet::RakNetGUID& owner);
    // Counts down every volley's flight.
    void Update(double frameTime);
    // Removes the volley, silently; false when no volley has this id.
    bool RemoveObject(int id) { return m_objects.Remove(id); }
    // Round start: every volley goes.
    void ClearObjects() { m_objects.Clear(); }
    std::vector<VolleyRecord> GetObjects() const { return m_objects.Records(); }
    void SetRandomSource(ObjectRandomSource random) { m_objects.SetRandomSource(std::move(random)); }

    // Each frame: landed volleys hit the enemies at their target, show their impact and go.
    void CheckCollisions(ServerPlayerManager& players);

private:
    RakNet::RakPeerInterface* m_peer = nullptr;
    ObjectStore<VolleyRecord> m_objects;
};
