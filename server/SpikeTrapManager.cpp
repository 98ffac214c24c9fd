#include "server/SpikeTrapManager.h"

#include "hitcalc/Intersections.h"
#include "protocol/MessageSend.h"
#include "protocol/ServerThrownMessages.h"
#include "server/AreaDamage.h"
#include "server/Enemies.h"
#include "server/FlightTime.h"
#include "server/ServerPlayerManager.h"
#include "shared/collision/HitcalcValues.h"

bool SpikeTrapManager::Initialize(RakNet::RakPeerInterface* peer) {
    m_peer = peer;
    m_objects.Clear();
    return true;
}

void SpikeTrapManager::Shutdown() {
    m_objects.Clear();
}

bool SpikeTrapManager::AddSpikeTrap(const GroundPoint& start, const GroundPoint& target,
                                    std::int32_t ownerTeam, const RakNet::RakNetGUID& owner) {
    const float flightTime = ThrowFlightTime(start, target);
    const float lifetime = flightTime + kSpikeTrapDuration;
    const SpikeTrapRecord* added =
        m_objects.Add(SpikeTrapRecord{0, start, target, lifetime, flightTime, ownerTeam, owner});
    if (added == nullptr) {
        return false;
    }
    protocol::Broadcast(m_peer,
                        protocol::SpikeTrapAddMessage{
                            added->id, {start.x, start.z}, {target.x, target.z}, lifetime, owner, ownerTeam});
    return true;
}

void SpikeTrapManager::Update(double frameTime) {
    for (const int id : m_objects.Age(static_cast<float>(frameTime))) {
        RemoveObject(id);
    }
}

bool SpikeTrapManager::RemoveObject(int id) {
    if (!m_objects.Remove(id)) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::SpikeTrapRemoveMessage{id});
    return true;
}

namespace {

// Whether a body box reaches into the caltrops' circle, taken at the box's own height.
bool StandsIn(const SpikeTrapRecord& trap, const std::vector<CollisionBox>& body) {
    for (const CollisionBox& box : body) {
        const Float3 spikes{trap.target.x, box.center.y, trap.target.z};
        if (IntersectionTests::Intersections::SphereSphereCollision(ToXMFloat3(spikes), kSpikeTrapRadius,
                                                                    ToXMFloat3(box.center), box.radius)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void SpikeTrapManager::CheckCollisions(ServerPlayerManager& players, float frameTime) {
    const std::vector<PlayerRecord> snapshot = players.GetPlayers();
    for (const SpikeTrapRecord& trap : m_objects.Records()) {
        if (trap.flightTimeLeft > 0.0f) {
            continue;  // still in the air
        }
        for (std::size_t i = 0; i < snapshot.size(); ++i) {
            if (IsEnemy(trap.owner, trap.ownerTeam, snapshot[i]) &&
                StandsIn(trap, players.GetBodyBoxes(static_cast<int>(i)))) {
                ApplyAreaDamage(players, snapshot[i],
                                AreaDamage{kSpikeTrapDamageRate,
                                           static_cast<std::int32_t>(protocol::AbilityId::SpikeAbility),
                                           trap.owner, true},
                                frameTime);
            }
        }
    }
}
