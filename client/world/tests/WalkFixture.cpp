#include "client/world/tests/WalkFixture.h"

WalkState Walker::Frame(const Float3& heading) {
    WalkInput input;
    input.walk = {m_position, heading};
    input.speed = kWalkSpeed;
    input.frameTime = kFrameTime;
    input.sphere = {m_position, kSphereRadius};
    if (m_hasBody) {
        input.body = NinjaBody(m_position);
    }
    const WalkState walk = MoveWithCollision(m_obstacles, input);
    m_position = walk.position;
    return walk;
}

WalkState Walker::Walk(const Float3& heading, int frames) {
    WalkState walk{m_position, heading};
    for (int i = 0; i < frames; ++i) {
        walk = Frame(heading);
    }
    return walk;
}

CollisionOBB NinjaBody(const Float3& position) {
    return MakeCollisionOBB({position.x, position.y + 1.0f, position.z}, {0.5f, 1.0f, 0.5f}, kNoRotation);
}
