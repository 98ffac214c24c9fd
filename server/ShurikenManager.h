// Shurikens and mega shurikens in flight. A shuriken flies in a straight line from where it was thrown; its
// position is worked out from its start, direction, speed and the time it has flown. Each frame it is
// tested against the bodies of its owner's enemies and against the level's obstacles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/ObjectStore.h"
#include "shared/CollisionShapes.h"
#include "shared/Float3.h"

namespace RakNet {
class RakPeerInterface;
}
class ServerPlayerManager;
class CollisionChecker;

inline constexpr const char* kShurikenModel = "../Ombrin/Models/shurikenShape.ZMD";
inline constexpr const char* kMegaShurikenModel = "../Ombrin/Models/MegaShuriken_Shape.ZMD";
inline constexpr float kShurikenLifetime = 3.0f;
inline constexpr float kMegaShurikenLifetime = 4.0f;
inline constexpr float kShurikenSpeed = 40.0f;
inline constexpr float kMegaShurikenSpeed = 25.0f;
inline constexpr float kShurikenDamage = 15.0f;
inline constexpr float kMegaShurikenDamage = 30.0f;

struct ShurikenRecord {
    Float3 start;
    Float3 direction;
    int id = 0;
    RakNet::RakNetGUID owner;
    std::int32_t ownerTeam = 0;  // the owner's team at the throw, kept after the owner left
    float lifetimeLeft = 0.0f;
    float speed = 0.0f;
    bool mega = false;
};

class ShurikenManager {
public:
    // Takes both shurikens' collision boxes from the model library.
    bool Initialize(RakNet::RakPeerInterface* peer);
    void Shutdown();

    // Creates a shuriken and announces it (ID_SHURIKEN_ADD); false, creating and sending nothing, when the
    // manager is full.
    bool AddShuriken(const Float3& start, const Float3& direction, std::int32_t ownerTeam,
                     const RakNet::RakNetGUID& owner, bool mega);
    // Ages every shuriken; one whose lifetime ran out is removed and the removal announced.
    void Update(double frameTime);
    // Removes the shuriken and announces it (ID_SHURIKEN_REMOVE); false when no shuriken has this id.
    bool RemoveObject(int id);
    // Round start: every shuriken goes without a remove message (the clients empty their own lists).
    void ClearObjects() { m_objects.Clear(); }
    std::vector<ShurikenRecord> GetObjects() const { return m_objects.Records(); }
    // The boxes of the shuriken at this position of the list, moved to where it flies now; none outside the
    // list.
    std::vector<CollisionBox> GetBoxes(std::size_t index) const;
    void SetRandomSource(ObjectRandomSource random) { m_objects.SetRandomSource(std::move(random)); }

    // Each frame (ShurikenCheck.cpp): a shuriken touching an enemy's body damages the first such enemy in
    // list order and goes; one touching an obstacle goes.
    void CheckCollisions(ServerPlayerManager& players, const CollisionChecker& collision);

    // Where the shuriken flies now.
    static Float3 Position(const ShurikenRecord& shuriken);

private:
    std::vector<CollisionBox> BoxesOf(const ShurikenRecord& shuriken) const;

    RakNet::RakPeerInterface* m_peer = nullptr;
    ObjectStore<ShurikenRecord> m_objects;
    std::vector<CollisionBox> m_shapes;
    std::vector<CollisionBox> m_megaShapes;
};
