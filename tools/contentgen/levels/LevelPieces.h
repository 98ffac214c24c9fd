// Building blocks the levels share: walls that collide through box lines and cast shadows, and the
// shadow outlines of round obstacles. Ground points are (x, z) in game coordinates.
#pragma once

#include <vector>

#include <glm/glm.hpp>

#include "levels/LevelLayout.h"

// The arena's border: four box lines whose inner faces are x = +-innerX and z = +-innerZ, thickness units
// thick and height units high, and the shadow line along the inner faces.
void AddOuterWalls(LevelLayout& layout, float innerX, float innerZ, float thickness, float height);

// A tall straight wall as a box line (standing on the ground) with its shadow outline.
void AddWallBlock(LevelLayout& layout, const glm::vec2& center, const glm::vec2& halfSize, float height);

// The shadow outline of a round obstacle: a square of the given half-width round it.
void AddColumnShadow(LevelLayout& layout, const glm::vec2& center, float halfWidth);

// The four mirror images (+-x, +-z) of a point, in a fixed order; points on an axis appear once.
std::vector<glm::vec2> Mirrored4(const glm::vec2& p);
// The two mirror images across x = 0 (or across z = 0 when acrossZ).
std::vector<glm::vec2> Mirrored2(const glm::vec2& p, bool acrossZ = false);

inline glm::vec3 OnGround(const glm::vec2& p, float y = 0.0f) {
    return glm::vec3(p.x, y, p.y);
}
