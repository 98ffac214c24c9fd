// A thrown war fan: it spins as it flies out along its direction and, once the server says it returns,
// flies back towards its owner. Its id and owner tie it to the server's fan list.
#pragma once

#include "client/world/MovingObject.h"
#include "raknet/RakNetTypes.h"

class FanBoomerang : public MovingObject {
public:
    static constexpr float kSpinRate = 15.7f;  // radians per second about y

    void SetId(int id) { m_id = id; }
    int GetId() const { return m_id; }
    void SetOwner(const RakNet::RakNetGUID& owner) { m_owner = owner; }
    const RakNet::RakNetGUID& GetOwner() const { return m_owner; }

    // One frame of dt seconds. Outward it moves along its direction; returning, its direction becomes the
    // ground direction from owner to fan and it moves against it. A fan on its owner's spot keeps its last
    // direction, and a returning fan without an owner (null: the owner left) keeps flying straight.
    void Update(float dt, bool returning, const glm::vec3* owner);

private:
    int m_id = 0;
    RakNet::RakNetGUID m_owner{};
};
