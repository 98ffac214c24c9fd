#include "server/ProjectileManager.h"

#include "protocol/MessageSend.h"
#include "protocol/ServerProjectileMessages.h"
#include "server/MovedBoxes.h"
#include "shared/ModelLibrary.h"

bool ProjectileManager::Initialize(RakNet::RakPeerInterface* peer) {
    m_peer = peer;
    m_objects.Clear();
    m_shapes = ModelLibrary::GetInstance().Get(kKunaiModel).GetBoxes();
    return true;
}

void ProjectileManager::Shutdown() {
    m_objects.Clear();
}

float ProjectileManager::InitialLifetime(std::int32_t kind) {
    switch (static_cast<protocol::ProjectileKind>(kind)) {
        case protocol::ProjectileKind::Shuriken:
            return 3.0f;
        case protocol::ProjectileKind::MegaShuriken:
            return 4.0f;
        case protocol::ProjectileKind::Kunai:
            break;
    }
    return kKunaiLifetime;
}

bool ProjectileManager::AddProjectile(const Float3& start, const Float3& direction, std::int32_t ownerTeam,
                                      const RakNet::RakNetGUID& owner) {
    const auto kind = static_cast<std::int32_t>(protocol::ProjectileKind::Kunai);
    const ProjectileRecord* added = m_objects.Add(ProjectileRecord{.start = start,
                                                                   .direction = direction,
                                                                   .id = 0,
                                                                   .kind = kind,
                                                                   .owner = owner,
                                                                   .ownerTeam = ownerTeam,
                                                                   .lifetimeLeft = InitialLifetime(kind),
                                                                   .speed = kKunaiSpeed});
    if (added == nullptr) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::ProjectileAddMessage{{start.x, start.y, start.z},
                                                               {direction.x, direction.y, direction.z},
                                                               kind,
                                                               added->id,
                                                               owner,
                                                               added->speed});
    return true;
}

void ProjectileManager::Update(double frameTime) {
    for (const int id : m_objects.Age(static_cast<float>(frameTime))) {
        RemoveObject(id);
    }
}

bool ProjectileManager::RemoveObject(int id) {
    if (!m_objects.Remove(id)) {
        return false;
    }
    protocol::Broadcast(m_peer, protocol::ProjectileRemoveMessage{id});
    return true;
}

Float3 ProjectileManager::Position(const ProjectileRecord& projectile) {
    const float reach = projectile.speed * (InitialLifetime(projectile.kind) - projectile.lifetimeLeft);
    return {projectile.start.x + projectile.direction.x * reach,
            projectile.start.y + projectile.direction.y * reach,
            projectile.start.z + projectile.direction.z * reach};
}

std::vector<CollisionBox> ProjectileManager::BoxesOf(const ProjectileRecord& projectile) const {
    return MovedBoxes(m_shapes, Position(projectile));
}

std::vector<CollisionBox> ProjectileManager::GetBoxes(std::size_t index) const {
    const std::vector<ProjectileRecord>& records = m_objects.Records();
    return index < records.size() ? BoxesOf(records[index]) : std::vector<CollisionBox>{};
}
