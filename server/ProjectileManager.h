// Thrown projectiles other than shurikens; the server creates only kunai (projectile kind 2). Like a
// shuriken, a kunai flies in a straight line and its position is worked out from the time it has flown;
// each frame it is tested against the bodies of its owner's enemies and against the level's obstacles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "protocol/MessageIds.h"
#include "raknet/RakNetTypes.h"
#include "server/ObjectStore.h"
#include "shared/CollisionShapes.h"
#include "shared/Float3.h"

namespace RakNet {
class RakPeerInterface;
}
class ServerPlayerManager;
class CollisionChecker;

inline constexpr const char* kKunaiModel = "../Ombrin/Models/KunaiShape.ZMD";
inline constexpr float kKunaiLifetime = 2.0f;
inline constexpr float kKunaiSpeed = 50.0f;
inline constexpr float kProjectileDamage = 10.0f;

struct ProjectileRecord {
    Float3 start;
    Float3 direction;
    int id = 0;
    std::int32_t kind = static_cast<std::int32_t>(protocol::ProjectileKind::Kunai);
    RakNet::RakNetGUID owner;
    std::int32_t ownerTeam = 0;  // the owner's team at the throw, kept after the owner left
    float lifetimeLeft = 0.0f;
    float speed = 0.0f;
};

class ProjectileManager {
public:
    // Takes the kunai's collision boxes from the model library.
    bool Initialize(RakNet::RakPeerInterface* peer);
    void Shutdown();

    // Creates a kunai and announces it (ID_PROJECTILE_ADD); false, creating and sending nothing, when the
    // manager is full.
    bool AddProjectile(const Float3& start, const Float3& direction, std::int32_t ownerTeam,
                       const RakNet::RakNetGUID& owner);
    // Ages every projectile; one whose lifetime ran out is removed and the removal announced.
    void Update(double frameTime);
    // Removes the projectile and announces it (ID_PROJECTILE_REMOVE); false when no projectile has this id.
    bool RemoveObject(int id);
    // Round start: every projectile goes without a remove message.
    void ClearObjects() { m_objects.Clear(); }
    std::vector<ProjectileRecord> GetObjects() const { return m_objects.Records(); }
    // The boxes of the projectile at this position of the list, moved to where it flies now.
    std::vector<CollisionBox> GetBoxes(std::size_t index) const;
    void SetRandomSource(ObjectRandomSource random) { m_objects.SetRandomSource(std::move(random)); }

    // Each frame (ProjectileCheck.cpp): a projectile touching an enemy's body damages the first such enemy
    // in list order and goes; one touching an obstacle goes.
    void CheckCollisions(ServerPlayerManager& players, const CollisionChecker& collision);

    // Where the projectile flies now.
    static Float3 Position(const ProjectileRecord& projectile);
    // The lifetime a projectile of this kind starts with: 3 s and 4 s for the shuriken kinds, 2 s for a
    // kunai.
    static float InitialLifetime(std::int32_t kind);

private:
    std::vector<CollisionBox> BoxesOf(const ProjectileRecord& projectile) const;

    RakNet::RakPeerInterface* m_peer = nullptr;
    ObjectStore<ProjectileRecord> m_objects;
    std::vector<CollisionBox> m_shapes;
};
