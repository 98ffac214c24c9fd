#include "server/ShurikenManager.h"

#include "protocol/MessageSend.h"
#include "protocol/ServerProjectileMessages.h"
#include "server/MovedBoxes.h"
#include "shared/ModelLibrary.h"

bool ShurikenManager::Initialize(RakNet::RakPeerInterface* peer) {
    m_peer = peer;
    m_objects.Clear();
    ModelLibrary& library = ModelLibrary::GetInstance();
    m_shapes = library.Get(kShurikenModel).GetBoxes();
    m_megaShapes = library.Get(kMegaShurikenModel).GetBoxes();
    return true;
}

void ShurikenManager::Shutdown() {
    m_objects.Clear();
}

bool ShurikenManager::AddShuriken(const Float3& start, const Float3& direction, std::int32_t ownerTeam,
                                  const RakNet::RakNetGUID& owner, bool mega) {
    ShurikenRecord record{.start = start,
                          .direction = direction,
                          .id = 0,
                          .owner = owner,
                          .ownerTeam = ownerTeam,
                          .lifetimeLeft = mega ? kMegaShurikenLifetime : kShurikenLifetime,
                          .speed = mega ? kMegaShurikenSpeed : kShurikenSpeed,
                          .mega = mega};
    const ShurikenRecord* added = m_objects.Add(record);
    if (added == nullptr) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::ShurikenAddMessage{{start.x, start.y, start.z},
                                                             {direction.x, direction.y, direction.z},
                                                             added->id,
                                                             owner,
                                                             added->speed,
                                                             mega});
    return true;
}

void ShurikenManager::Update(double frameTime) {
    for (const int id : m_objects.Age(static_cast<float>(frameTime))) {
        RemoveObject(id);
    }
}

bool ShurikenManager::RemoveObject(int id) {
    if (!m_objects.Remove(id)) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::ShurikenRemoveMessage{id});
    return true;
}

Float3 ShurikenManager::Position(const ShurikenRecord& shuriken) {
    const float flown = (shuriken.mega ? kMegaShurikenLifetime : kShurikenLifetime) - shuriken.lifetimeLeft;
    const float reach = shuriken.speed * flown;
    return {shuriken.start.x + shuriken.direction.x * reach, shuriken.start.y + shuriken.direction.y * reach,
            shuriken.start.z + shuriken.direction.z * reach};
}

std::vector<CollisionBox> ShurikenManager::BoxesOf(const ShurikenRecord& shuriken) const {
    return MovedBoxes(shuriken.mega ? m_megaShapes : m_shapes, Position(shuriken));
}

std::vector<CollisionBox> ShurikenManager::GetBoxes(std::size_t index) const {
    const std::vector<ShurikenRecord>& records = m_objects.Records();
    return index < records.size() ? BoxesOf(records[index]) : std::vector<CollisionBox>{};
}
