// The sudden-death sheet's geometry: twelve triangles (36 SheetVertices, a triangle list) over the arena
// floor x in [-45, 45], z in [-52, 52], with a square hole x, z in [-12, 12] where players are safe. Eight
// triangles cover the floor round the hole; four slope from the hole's edges to 12 units below the floor.
// On the floor u = 0.5 + (x + 45) / 180 and v = (52 - z) / 104 (the right half of the texture); the four
// lower points take (0.75, 0.5).
#pragma once

#include <array>
#include <cstddef>

#include "Lumagrid/EngineTypes.h"

inline constexpr std::size_t kSuddenDeathSheetVertices = 36;
// Half the side of the safe square in the arena's centre.
inline constexpr float kSuddenDeathSafeHalfSide = 12.0f;

using SuddenDeathSheetVertices = std::array<Lumaspace::SheetVertex, kSuddenDeathSheetVertices>;

// The sheet raised by height, its texture moved by scroll widths (every u is the rest u minus scroll).
SuddenDeathSheetVertices SuddenDeathSheet(float height, float scroll);
