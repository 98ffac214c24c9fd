#include "server/SmokeBombManager.h"

#include "protocol/MessageSend.h"
#include "protocol/ServerThrownMessages.h"
#include "server/FlightTime.h"

bool SmokeBombManager::Initialize(RakNet::RakPeerInterface* peer) {
    m_peer = peer;
    m_objects.Clear();
    return true;
}

void SmokeBombManager::Shutdown() {
    m_objects.Clear();
}

bool SmokeBombManager::AddSmokeBomb(const GroundPoint& start, const GroundPoint& target) {
    const float lifetime = ThrowFlightTime(start, target) + kSmokeDuration;
    const SmokeBombRecord* added = m_objects.Add(SmokeBombRecord{0, start, target, lifetime});
    if (added == nullptr) {
        return false;
    }
    protocol::Broadcast(
        m_peer, protocol::SmokeBombAddMessage{added->id, {start.x, start.z}, {target.x, target.z}, lifetime});
    return true;
}

void SmokeBombManager::Update(double frameTime) {
    for (const int id : m_objects.Age(static_cast<float>(frameTime))) {
        RemoveObject(id);
    }
}

bool SmokeBombManager::RemoveObject(int id) {
    if (!m_objects.Remove(id)) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::SmokeBombRemoveMessage{id});
    return true;
}
