// What a bot knows of a level: the footprints of its obstacles (level boxes and placed models' volumes),
// the spawn points, the rune places and the walkable area around them.
#pragma once

#include <string>
#include <vector>

#include "tools/bots/Ground.h"

class LevelData;

class ArenaMap {
public:
    // Boxes taller than this (half-height) block sight; lower ones only block walking.
    static constexpr float kSightBlockingHalfHeight = 1.8f;
    // A ninja's walking radius.
    static constexpr float kBodyRadius = 0.5f;

    ArenaMap() = default;
    // Builds the map of a loaded level, its model volumes taken from the model library.
    static ArenaMap FromLevel(const LevelData& level);
    // Loads the level file; an empty map (open ground) when it cannot be read, error saying why.
    static ArenaMap Load(const std::string& path, std::string& error);

    void AddObstacle(const GroundRect& rect);
    void SetBounds(Ground min, Ground max);

    // True when a body of this radius at p overlaps an obstacle or leaves the bounds.
    bool Blocked(Ground p, float radius = kBodyRadius) const;
    // True when no tall obstacle crosses the segment from a to b.
    bool LineOfSight(Ground a, Ground b) const;
    // Distance from a along unit direction d to the first obstacle (any height), at most range.
    float RayDistance(Ground a, Ground d, float range) const;

    const std::vector<GroundRect>& Obstacles() const { return m_obstacles; }
    Ground BoundsMin() const { return m_min; }
    Ground BoundsMax() const { return m_max; }
    // Spawn points of a team (1 red, 2 blue), rune places.
    std::vector<Ground> spawns[3];
    std::vector<Ground> runes;

private:
    std::vector<GroundRect> m_obstacles;
    Ground m_min{-1000.0f, -1000.0f};
    Ground m_max{1000.0f, 1000.0f};
};

// Where the segment a→b first enters rect, as a fraction in [0, 1]; a value above 1 when it misses.
float SegmentEntry(Ground a, Ground b, const GroundRect& rect);
