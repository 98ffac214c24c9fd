#include "server/FanManager.h"

#include <cmath>

#include "protocol/MessageSend.h"
#include "protocol/ServerProjectileMessages.h"
#include "server/MovedBoxes.h"
#include "server/ServerPlayerManager.h"
#include "shared/ModelLibrary.h"

namespace {

void Move(Float3& position, const Float3& direction, float distance) {
    position.x += direction.x * distance;
    position.y += direction.y * distance;
    position.z += direction.z * distance;
}

// Points the fan's horizontal direction away from its owner, so that moving it backward brings it home.
// A fan right above its owner keeps its direction.
void FaceAwayFromOwner(FanRecord& fan, const Float3& owner) {
    const float dx = fan.position.x - owner.x;
    const float dz = fan.position.z - owner.z;
    const float distance = std::sqrt(dx * dx + dz * dz);
    if (distance > 0.0f) {
        fan.direction.x = dx / distance;
        fan.direction.z = dz / distance;
    }
}

}  // namespace

bool FanManager::Initialize(RakNet::RakPeerInterface* peer) {
    m_peer = peer;
    m_objects.Clear();
    m_shapes = ModelLibrary::GetInstance().Get(kFanModel).GetBoxes();
    return true;
}

void FanManager::Shutdown() {
    m_objects.Clear();
}

bool FanManager::AddFan(const Float3& position, const Float3& direction, const RakNet::RakNetGUID& owner) {
    const FanRecord* added = m_objects.Add(FanRecord{.position = position,
                                                     .direction = direction,
                                                     .id = 0,
                                                     .owner = owner,
                                                     .outwardTimeLeft = kFanOutwardTime,
                                                     .speed = kFanSpeed});
    if (added == nullptr) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::FanAddMessage{{position.x, position.y, position.z},
                                                        {direction.x, direction.y, direction.z},
                                                        added->id,
                                                        owner,
                                                        added->speed});
    return true;
}

void FanManager::Update(double frameTime, const ServerPlayerManager& players) {
    const float dt = static_cast<float>(frameTime);
    for (FanRecord& fan : m_objects.Records()) {
        const bool wasOutward = fan.outwardTimeLeft >= 0.0f;
        fan.outwardTimeLeft -= dt;
        if (fan.outwardTimeLeft > 0.0f) {
            Move(fan.position, fan.direction, fan.speed * dt);
            continue;
        }
        if (wasOutward) {
            protocol::Broadcast(m_peer, protocol::FanReturningMessage{fan.id, fan.outwardTimeLeft});
        }
        const int owner = players.FindPlayerIndex(fan.owner);
        if (owner >= 0) {
            FaceAwayFromOwner(fan, players.Players()[static_cast<std::size_t>(owner)].position);
            Move(fan.position, fan.direction, -fan.speed * dt);
        }
    }
}

bool FanManager::RemoveObject(int id) {
    if (!m_objects.Remove(id)) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::FanRemoveMessage{id});
    return true;
}

std::vector<CollisionBox> FanManager::GetBoxes(std::size_t index) const {
    const std::vector<FanRecord>& records = m_objects.Records();
    return index < records.size() ? MovedBoxes(m_shapes, records[index].position)
                                  : std::vector<CollisionBox>{};
}
