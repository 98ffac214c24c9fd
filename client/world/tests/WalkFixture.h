// A local player walking frame by frame through MoveWithCollision, with the ninja's body box (from the ground
// to two units up) and its sphere of radius 0.5 both taken where the previous frame left it.
#pragma once

#include "client/world/CollisionManager.h"
#include "client/world/WalkWithCollision.h"

inline constexpr float kWalkSpeed = 10.0f;
inline constexpr float kFrameTime = 1.0f / 60.0f;
inline constexpr float kSphereRadius = 0.5f;

class Walker {
public:
    Walker(const CollisionManager& obstacles, const Float3& start, bool hasBody = true)
        : m_obstacles(obstacles), m_position(start), m_hasBody(hasBody) {}

    // One frame with the keys held for heading; returns the walk as it ended.
    WalkState Frame(const Float3& heading);
    // Frames frames with the same keys; returns the last frame's walk.
    WalkState Walk(const Float3& heading, int frames);

    const Float3& Position() const { return m_position; }

private:
    const CollisionManager& m_obstacles;
    Float3 m_position;
    bool m_hasBody;
};

// The body box of a ninja standing at position.
CollisionOBB NinjaBody(const Float3& position);
