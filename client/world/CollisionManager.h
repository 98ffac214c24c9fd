// The obstacles the client predicts collisions against, in world space, and the questions walking, aiming,
// sight and the camera ask of them. Every geometric test is the intersection library's.
//
// Obstacles at walking height (the low lists) are the level's boxes and the volumes of the objects in the
// camera's view centred at most kHighVolumeHeight high; the higher volumes of static objects (roofs, tree
// crowns) only stop the camera ray. The lists hold copies: nothing refers back to the objects. The playing
// state owns one manager for a match and hands it to whoever asks these questions; the menu and lobby use
// one without level boxes. Main thread only.
#pragma once

#include <span>
#include <vector>

#include "client/world/CollisionRay.h"
#include "client/world/ObjectVolumes.h"
#include "shared/CollisionShapes.h"
#include "shared/LevelRecords.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/CollisionOBB.h"

// Volumes of static objects centred higher than this block only the camera ray.
inline constexpr float kHighVolumeHeight = kWallHeightLimit;
// What the ray queries answer when nothing is hit.
inline constexpr float kNoHitDistance = 100.0f;
// The aim rays run this high, rising by this much per unit of heading.
inline constexpr float kAimRayHeight = 0.03f;
// The aim rays meet spheres moved down to this height.
inline constexpr float kAimSphereHeight = 0.1f;
// The aim rays: one along the aim and four beside it, this far to either side along x and along z.
inline constexpr float kAimRaySpread = 0.5f;

class CollisionManager {
public:
    // Replaces the level's boxes (set once per match). Each keeps its centre and half-sizes, loses any
    // rotation and gets the radius sqrt(2) times its largest half-size. They stay obstacles until replaced;
    // the objects handed over so far are dropped until the next SetObjects.
    void SetLevelBoxes(std::span<const CollisionOBB> boxes);

    // Rebuilds the obstacle lists from the level boxes and the objects in the camera's view (called once per
    // frame). Static objects' volumes centred above kHighVolumeHeight go to the high lists, the rest to the
    // low lists; every volume of an animated level object is low. Boxes get their radius recomputed as for
    // level boxes. Null entries are skipped.
    void SetObjects(std::span<const ObjectVolumes* const> visibleStatic,
                    std::span<const ObjectVolumes* const> visibleAnimated);

    // Whether a sphere touches a low obstacle, every obstacle taken as a column of unlimited height: the
    // test runs in the horizontal plane at center.y.
    bool IsBlocked(const Float3& center, float radius) const;

    // The low boxes that the body's bounding sphere (its radius about its centre) meets once moved by
    // direction x speed x frameTime. A box wholly above or below that sphere is tested against a sphere of
    // the same radius moved to the body's top or bottom. Empty for a body whose radius is below 0 (a player
    // without a box).
    std::vector<CollisionOBB> GetCollidingBoxes(const CollisionOBB& body, const Float3& direction,
                                                float speed, float frameTime) const;

    // The low spheres that the sphere meets once moved by direction x speed x frameTime. An obstacle whose
    // top lies within the moved sphere's height is tested where it is; any other is tested with both centres
    // on the ground plane.
    std::vector<CollisionSphere> GetCollidingSpheres(const CollisionSphere& sphere, const Float3& direction,
                                                     float speed, float frameTime) const;

    // Whether a low box taller than kTallWallHalfHeight (half-height) or a low sphere stands on the line
    // from from to to, which runs level at from's height. Obstacles beyond to do not count.
    bool IsLineBlocked(const Float3& from, const Float3& to) const;

    // How far an aim may reach along direction (its x and z) from origin (its x and z; its height is not
    // used), at most maxDistance and never below 0: the nearest hit of five parallel rays, one from the
    // origin and four moved kAimRaySpread along x and z, against the low boxes (with tallOnly only those
    // taller than kTallWallHalfHeight) and the low spheres moved down to kAimSphereHeight.
    float AimRayDistance(const Float3& origin, const Float3& direction, bool tallOnly,
                         float maxDistance) const;

    // The distance to the nearest level box ahead along the ray, at most kNoHitDistance. Objects do not
    // count.
    float LevelRayDistance(const CollisionRay& ray) const;

    // The distance to the nearest volume ahead along the ray, low or high, at most kNoHitDistance.
    float FirstHitDistance(const CollisionRay& ray) const;

    // Whether the ray enters the box ahead of its origin; writes the distance (0 on a miss) to
    // ray.hitDistance.
    static bool RayHitsBox(CollisionRay& ray, const CollisionOBB& box);

    // The point of the ground plane under the mouse, written by the playing state every frame.
    void SetMouseGroundPoint(const GroundPoint& point) { m_mouseGroundPoint = point; }
    GroundPoint GetMouseGroundPoint() const { return m_mouseGroundPoint; }

    const std::vector<CollisionOBB>& GetLowBoxes() const { return m_lowBoxes; }
    const std::vector<CollisionOBB>& GetHighBoxes() const { return m_highBoxes; }
    const std::vector<CollisionSphere>& GetLowSpheres() const { return m_lowSpheres; }
    const std::vector<CollisionSphere>& GetHighSpheres() const { return m_highSpheres; }
    const std::vector<CollisionOBB>& GetLevelBoxes() const { return m_levelBoxes; }

private:
    std::vector<CollisionOBB> m_lowBoxes;
    std::vector<CollisionOBB> m_highBoxes;
    std::vector<CollisionSphere> m_highSpheres;
    std::vector<CollisionSphere> m_lowSpheres;
    GroundPoint m_mouseGroundPoint;
    std::vector<CollisionOBB> m_levelBoxes;
};
