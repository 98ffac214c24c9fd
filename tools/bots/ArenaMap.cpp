#include "tools/bots/ArenaMap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "protocol/GameFacts.h"
#include "shared/LevelData.h"
#include "shared/collision/LevelCollisionMap.h"
#include "shared/collision/ModelPlacement.h"

namespace {

// Obstacles entirely below this height are floor, entirely above it overhead: neither blocks a ninja.
constexpr float kFloorTop = 0.3f;
constexpr float kOverheadBottom = 2.5f;
// Open ground around the spawn points when a level has no obstacles to bound it.
constexpr float kOpenMargin = 20.0f;
// Room beyond the outermost obstacle, spawn point or rune: a level's own walls bound it, and a spawn point on
// the outer edge must not count as outside.
constexpr float kEdgeMargin = 3.0f;

// The world-space half extents of a box turned by rotation, the way the level's models are placed: the sum,
// along each world axis, of the box's turned half axes.
Float3 TurnedExtents(const Float3& half, const Float4& rotation) {
    const Float3 origin{0.0f, 0.0f, 0.0f};
    const std::array<Float3, 3> axes{PlaceModelPoint({half.x, 0.0f, 0.0f}, rotation, origin),
                                     PlaceModelPoint({0.0f, half.y, 0.0f}, rotation, origin),
                                     PlaceModelPoint({0.0f, 0.0f, half.z}, rotation, origin)};
    Float3 out{0.0f, 0.0f, 0.0f};
    for (const Float3& axis : axes) {
        out.x += std::fabs(axis.x);
        out.y += std::fabs(axis.y);
        out.z += std::fabs(axis.z);
    }
    return out;
}

void AddSolid(ArenaMap& map, const Float3& center, const Float3& extents) {
    const float bottom = center.y - extents.y;
    const float top = center.y + extents.y;
    if (top < kFloorTop || bottom > kOverheadBottom) {
        return;
    }
    map.AddObstacle({{center.x - extents.x, center.z - extents.z},
                     {center.x + extents.x, center.z + extents.z},
                     extents.y > ArenaMap::kSightBlockingHalfHeight});
}

}  // namespace

float SegmentEntry(Ground a, Ground b, const GroundRect& rect) {
    // Slab test on both axes.
    float enter = 0.0f;
    float leave = 1.0f;
    const float start[2] = {a.x, a.z};
    const float delta[2] = {b.x - a.x, b.z - a.z};
    const float low[2] = {rect.min.x, rect.min.z};
    const float high[2] = {rect.max.x, rect.max.z};
    for (int axis = 0; axis < 2; ++axis) {
        if (std::fabs(delta[axis]) < 1e-9f) {
            if (start[axis] < low[axis] || start[axis] > high[axis]) {
                return 2.0f;
            }
            continue;
        }
        float t0 = (low[axis] - start[axis]) / delta[axis];
        float t1 = (high[axis] - start[axis]) / delta[axis];
        if (t0 > t1) {
            std::swap(t0, t1);
        }
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
        if (enter > leave) {
            return 2.0f;
        }
    }
    return enter;
}

ArenaMap ArenaMap::FromLevel(const LevelData& level) {
    ArenaMap map;
    LevelCollisionMap collision;
    collision.Initialize(level);
    for (const CollisionOBB& box : collision.GetOBBs()) {
        AddSolid(map, box.center, TurnedExtents(box.halfSizes, box.orientation));
    }
    for (const CollisionSphere& sphere : collision.GetSpheres()) {
        AddSolid(map, sphere.center, {sphere.radius, sphere.radius, sphere.radius});
    }
    collision.Shutdown();

    Ground low{std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
    Ground high{-low.x, -low.z};
    const auto include = [&](Ground p) {
        low = {std::min(low.x, p.x), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.z, p.z)};
    };
    for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
        const Ground p{spawn.position.x, spawn.position.z};
        if (spawn.team == kRedTeam || spawn.team == kBlueTeam) {
            map.spawns[spawn.team].push_back(p);
        }
        include(p);
    }
    for (const LevelRune& rune : level.GetRunes()) {
        map.runes.push_back({rune.position.x, rune.position.z});
        include(map.runes.back());
    }
    if (map.m_obstacles.empty()) {
        if (low.x <= high.x) {
            map.SetBounds(low - Ground{kOpenMargin, kOpenMargin}, high + Ground{kOpenMargin, kOpenMargin});
        }
        return map;
    }
    for (const GroundRect& rect : map.m_obstacles) {
        include(rect.min);
        include(rect.max);
    }
    map.SetBounds(low - Ground{kEdgeMargin, kEdgeMargin}, high + Ground{kEdgeMargin, kEdgeMargin});
    return map;
}

ArenaMap ArenaMap::Load(const std::string& path, std::string& error) {
    const LevelData level(path);
    if (level.GetSpawnPoints().empty() && level.GetBoxes().empty() && level.GetModels().empty()) {
        error = "level " + path + " has no spawn points, boxes or models; walking on open ground";
    }
    return FromLevel(level);
}

void ArenaMap::AddObstacle(const GroundRect& rect) {
    m_obstacles.push_back(rect);
}

void ArenaMap::SetBounds(Ground min, Ground max) {
    m_min = min;
    m_max = max;
}

bool ArenaMap::Blocked(Ground p, float radius) const {
    if (p.x - radius < m_min.x || p.x + radius > m_max.x || p.z - radius < m_min.z ||
        p.z + radius > m_max.z) {
        return true;
    }
    for (const GroundRect& rect : m_obstacles) {
        const float dx = std::max({rect.min.x - p.x, 0.0f, p.x - rect.max.x});
        const float dz = std::max({rect.min.z - p.z, 0.0f, p.z - rect.max.z});
        if (dx * dx + dz * dz < radius * radius) {
            return true;
        }
    }
    return false;
}

bool ArenaMap::LineOfSight(Ground a, Ground b) const {
    for (const GroundRect& rect : m_obstacles) {
        if (rect.tall && SegmentEntry(a, b, rect) <= 1.0f) {
            return false;
        }
    }
    return true;
}

float ArenaMap::RayDistance(Ground a, Ground d, float range) const {
    const Ground end = a + d * range;
    float nearest = 1.0f;
    for (const GroundRect& rect : m_obstacles) {
        nearest = std::min(nearest, SegmentEntry(a, end, rect));
    }
    return nearest * range;
}
