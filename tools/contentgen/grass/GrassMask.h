// The grass mask: raw 8-bit grey cells, row after row, no header. Cell (row i, column j) of an n x n mask
// covers the ground square at x = (j - n/2) * 0.5, z = (i - n/2) * -0.5 (row 0 is the far side, +z;
// column 0 is -x); a byte of 128 or more grows grass there.
#pragma once

#include <cstdint>
#include <vector>

#include "preview/LevelFootprint.h"

inline constexpr int kGrassMaskSize = 208;  // half a unit per cell covers the floor's +-52
inline constexpr float kGrassCell = 0.5f;

// Grass on the open floor; none under walls, obstacles and props, nor outside the arena.
std::vector<std::uint8_t> GrassMask(const LevelFootprint& footprint);
