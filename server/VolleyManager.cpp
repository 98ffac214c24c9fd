#include "server/VolleyManager.h"

#include "hitcalc/Intersections.h"
#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerThrownMessages.h"
#include "server/Enemies.h"
#include "server/ServerPlayerManager.h"
#include "shared/collision/HitcalcValues.h"

bool VolleyManager::Initialize(RakNet::RakPeerInterface* peer) {
    m_peer = peer;
    m_objects.Clear();
    return true;
}

void VolleyManager::Shutdown() {
    m_objects.Clear();
}

bool VolleyManager::AddVolley(const GroundPoint& start, const GroundPoint& target, std::int32_t ownerTeam,
                              const RakNet::RakNetGUID& owner) {
    const VolleyRecord* added =
        m_objects.Add(VolleyRecord{0, start, target, kVolleyFlightTime, ownerTeam, owner});
    if (added == nullptr) {
        return false;
    }
    protocol::Broadcast(
        m_peer, protocol::VolleyAddMessage{added->id, {start.x, start.z}, {target.x, target.z}, owner});
    return true;
}

void VolleyManager::Update(double frameTime) {
    for (VolleyRecord& volley : m_objects.Records()) {
        volley.flightTimeLeft -= static_cast<float>(frameTime);
    }
}

namespace {

// Whether a body box lies within the volley's radius of its target, taken at the box's own height.
bool Strikes(const VolleyRecord& volley, const std::vector<CollisionBox>& body) {
    for (const CollisionBox& box : body) {
        const Float3 arrows{volley.target.x, box.center.y, volley.target.z};
        if (IntersectionTests::Intersections::SphereSphereCollision(ToXMFloat3(arrows), kVolleyRadius,
                                                                    ToXMFloat3(box.center), box.radius)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void VolleyManager::CheckCollisions(ServerPlayerManager& players) {
    const std::vector<PlayerRecord> snapshot = players.GetPlayers();
    for (const VolleyRecord& volley : GetObjects()) {
        if (volley.flightTimeLeft > 0.0f) {
            continue;
        }
        for (std::size_t i = 0; i < snapshot.size(); ++i) {
            if (IsEnemy(volley.owner, volley.ownerTeam, snapshot[i]) &&
                Strikes(volley, players.GetBodyBoxes(static_cast<int>(i)))) {
                players.Damage(snapshot[i].guid, kVolleyDamage, volley.owner,
                               static_cast<std::int32_t>(protocol::AbilityId::VolleyAbility), false);
            }
        }
        protocol::Broadcast(
            m_peer, protocol::HitEffectMessage{static_cast<std::int32_t>(protocol::AbilityId::VolleyAbility),
                                               {volley.target.x, 0.0f, volley.target.z}});
        RemoveObject(volley.id);
    }
}
