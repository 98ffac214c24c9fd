// Thrown fans (the tessen boomerang). A fan flies outward along its direction for 1.5 s, then turns and
// flies back toward its owner, who catches it on touching it. On the way it cuts every enemy it touches
// (damage over time) and turns back early when it meets an obstacle on its way out; an obstacle met after
// 0.3 s of return destroys it, and one met earlier in the return is passed through (the fan may still touch
// the wall it has just bounced off).
#pragma once

#include <cstddef>
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

inline constexpr const char* kFanModel = "../Ombrin/Models/TessenShape.ZMD";
inline constexpr float kFanOutwardTime = 1.5f;
inline constexpr float kFanSpeed = 17.0f;
inline constexpr float kFanDamageRate = 75.0f;  // per second while it touches an enemy
// A returning fan that meets an obstacle this long (negative outward time) after turning is destroyed.
inline constexpr float kFanReturnBreakTime = -0.3f;

struct FanRecord {
    Float3 position;
    Float3 direction;
    int id = 0;
    RakNet::RakNetGUID owner;
    float outwardTimeLeft = 0.0f;  // 0 or below: returning
    float speed = 0.0f;
};

class FanManager {
public:
    // Takes the fan's collision boxes from the model library.
    bool Initialize(RakNet::RakPeerInterface* peer);
    void Shutdown();

    // Creates a fan and announces it (ID_FAN_ADD); false, creating and sending nothing, when the manager is
    // full.
    bool AddFan(const Float3& position, const Float3& direction, const RakNet::RakNetGUID& owner);
    // Moves every fan: outward along its direction, or, once its outward time is used up, back toward its
    // owner (the turn is announced once, with ID_FAN_RETURNING). A fan whose owner has left stands still.
    void Update(double frameTime, const ServerPlayerManager& players);
    // Removes the fan and announces it (ID_FAN_REMOVE); false when no fan has this id.
    bool RemoveObject(int id);
    // Round start: every fan goes without a remove message.
    void ClearObjects() { m_objects.Clear(); }
    std::vector<FanRecord> GetObjects() const { return m_objects.Records(); }
    // The boxes of the fan at this position of the list, moved to its position.
    std::vector<CollisionBox> GetBoxes(std::size_t index) const;
    void SetRandomSource(ObjectRandomSource random) { m_objects.SetRandomSource(std::move(random)); }

    // Each frame (FanCheck.cpp): orphaned fans go, a returning fan touching its owner is caught, a fan
    // touching an enemy cuts it, and one touching an obstacle turns back or breaks.
    void CheckCollisions(ServerPlayerManager& players, const CollisionChecker& collision, float frameTime);

private:
    RakNet::RakPeerInterface* m_peer = nullptr;
    ObjectStore<FanRecord> m_objects;
    std::vector<CollisionBox> m_shapes;
};
