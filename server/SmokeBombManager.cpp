#include "server/SmokeBombManager.h"

#include "protocol/ServerThrownMessages.h"
#include "server/FlightTime.h"
#include "server/ServerSend.h"

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
    Broadcast(m_peer,
              protocol::SmokeBombAddMessage{added->id, {start.x, start.z}, {target.x, target.z}, lifetime});
    return true;
}

void SmokeBombManager::Update(double frameTime) {
    const float dt = static_cast<float>(frameTime);
    std::vector<int> expired;
    for (SmokeBombRecord& smokeBomb : m_objects.Records()) {
        smokeBomb.lifetimeLeft -= dt;
        if (smokeBomb.lifetimeLeft <= 0.0f) {
            expired.push_back(smokeBomb.id);
        }
    }
    for (const int id : expired) {
        RemoveObject(id);
    }
}

bool SmokeBombManager::RemoveObject(int id) {
    if (!m_objects.Remove(id)) {
        return false;
    }
    Broadcast(m_peer, protocol::SmokeBombRemoveMessage{id});
    return true;
}
