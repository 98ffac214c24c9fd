#include "server/StickyTrapManager.h"

#include "protocol/MessageSend.h"
#include "protocol/ServerThrownMessages.h"
#include "server/FlightTime.h"

bool StickyTrapManager::Initialize(RakNet::RakPeerInterface* peer) {
    m_peer = peer;
    m_objects.Clear();
    return true;
}

void StickyTrapManager::Shutdown() {
    m_objects.Clear();
}

bool StickyTrapManager::AddStickyTrap(const GroundPoint& start, const GroundPoint& target,
                                      const RakNet::RakNetGUID& owner) {
    const float flightTime = ThrowFlightTime(start, target);
    const float lifetime = flightTime + kStickyTrapDuration;
    const StickyTrapRecord* added =
        m_objects.Add(StickyTrapRecord{0, start, target, lifetime, flightTime, owner});
    if (added == nullptr) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::StickyTrapAddMessage{
                                    added->id, {start.x, start.z}, {target.x, target.z}, lifetime, owner});
    return true;
}

void StickyTrapManager::Update(double frameTime) {
    for (const int id : m_objects.Age(static_cast<float>(frameTime))) {
        RemoveObject(id);
    }
}

bool StickyTrapManager::RemoveObject(int id) {
    if (!m_objects.Remove(id)) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::StickyTrapRemoveMessage{id});
    return true;
}
