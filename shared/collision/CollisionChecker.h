// The obstacles at fighting height and the questions the combat rules ask of them: does a flying object touch
// an obstacle, is the line between two players blocked, how far can a dash go.
//
// Rays count only obstacles entered ahead of their origin: an obstacle behind the origin, or one the origin
// lies in, never stops a ray. Like the overlap tests, the ray queries run the exact test only for obstacles
// whose bounding sphere the ray comes near within the length that matters.
#pragma once

#include <vector>

#include "shared/CollisionShapes.h"
#include "shared/collision/CollisionOBB.h"
#include "shared/collision/LevelCollisionMap.h"

// Boxes centred higher than this (roofs, beams, tree crowns) are no obstacles.
inline constexpr float kWallHeightLimit = 6.0f;
// Spheres centred higher than this are no obstacles.
inline constexpr float kPillarHeightLimit = 5.0f;
// With tallOnly, only walls with a larger half-height block a line; fences and crates do not.
inline constexpr float kTallWallHalfHeight = 1.8f;
// The longest dash ray.
inline constexpr float kMaxDashReach = 13.0f;
// A dash ray meets pillars at this height, whatever their true height.
inline constexpr float kDashPillarHeight = 0.1f;

class CollisionChecker {
public:
    // Keeps, in order, the boxes centred at or below kWallHeightLimit as walls and the spheres centred at or
    // below kPillarHeightLimit as pillars. Always succeeds.
    bool Initialize(const std::vector<CollisionOBB>& obbs, const std::vector<CollisionSphere>& spheres);
    bool Initialize(const LevelCollisionMap& map);
    void Shutdown();

    // Whether a flying object's axis-aligned box touches a wall or a pillar. Walls keep their true height;
    // pillars reach from the ground to the sky.
    bool HitsObstacle(const CollisionBox& box) const;
    // Whether a wall or pillar stands on the horizontal line from from to to, at the height of from. With
    // tallOnly, walls up to kTallWallHalfHeight are ignored; pillars always block.
    bool IsLineBlocked(const Float3& from, const Float3& to, bool tallOnly) const;
    // The distance along the ray (in world units, whatever the direction's length) to the nearest wall or
    // pillar ahead, at most kMaxDashReach. Pillars are met at kDashPillarHeight.
    float ObstacleRayDistance(const Float3& origin, const Float3& direction) const;

    const std::vector<CollisionOBB>& GetWalls() const { return m_walls; }
    const std::vector<CollisionSphere>& GetPillars() const { return m_pillars; }

private:
    std::vector<CollisionOBB> m_walls;
    std::vector<float> m_wallBounds;  // the bounding radius of each wall, for the rays' cheap first test
    std::vector<CollisionSphere> m_pillars;
};
