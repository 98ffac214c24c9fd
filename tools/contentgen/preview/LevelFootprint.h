// What a level puts on the ground, seen from above: the outlines of its walls, low obstacles, pillars and
// tree canopies, read back from the written level and model files with the game's loaders.
#pragma once

#include <filesystem>
#include <vector>

#include <glm/glm.hpp>

enum class FootprintKind {
    TallWall,  // blocks sight
    Low,       // blocks walking only
    Pillar,
    Canopy,  // high above the floor: trees' crowns
    Trunk,   // a model without volumes (a bush, a torch): its position
};

struct FootprintShape {
    FootprintKind kind = FootprintKind::Low;
    std::vector<glm::vec2> corners;  // ground (x, z); empty for circles
    glm::vec2 center{0.0f};
    float radius = 0.0f;
};

struct LevelFootprint {
    std::vector<FootprintShape> shapes;
    std::vector<glm::vec2> redSpawns;
    std::vector<glm::vec2> blueSpawns;
    std::vector<glm::vec2> fires;
};

// dataFolder holds "Levels/" and "Models/"; a level that does not load gives an empty footprint.
LevelFootprint ReadLevelFootprint(const std::filesystem::path& dataFolder, const std::string& levelFile);

// The arena's walkable floor: x in [-45, 45], z in [-52, 52].
inline constexpr float kFloorHalfX = 45.0f;
inline constexpr float kFloorHalfZ = 52.0f;
