// The texture atlases the props share. Each is made once per run and embedded in every model that uses it.
// Tile numbers (see AtlasTile) are given per atlas.
#pragma once

#include "textures/Surface.h"

// 0 light wood, 1 dark iron, 2 dark wood, 3 glowing embers.
const BakedTexture& WoodIronAtlas();
// 0 grey stone blocks, 1 dark stone, 2 plaster, 3 roof tiles.
const BakedTexture& MasonryAtlas();
// 0 bark, 1 green leaves, 2 sakura blossom, 3 maple leaves.
const BakedTexture& FoliageAtlas();
// Small items: 0 steel, 1 wrapped cloth, 2 brass, 3 lacquered red.
const BakedTexture& SmallItemAtlas();
// 0 lotus petals, 1 paper, 2 lacquered wood, 3 gold.
const BakedTexture& RuneAtlas();

inline constexpr int kLightWood = 0, kIron = 1, kDarkWood = 2, kEmbers = 3;
inline constexpr int kStoneBlocks = 0, kDarkStone = 1, kPlaster = 2, kRoofTiles = 3;
inline constexpr int kBark = 0, kLeaves = 1, kBlossom = 2, kMaple = 3;
inline constexpr int kSteel = 0, kWrap = 1, kBrass = 2, kLacquer = 3;
inline constexpr int kPetals = 0, kPaper = 1, kRuneWood = 2, kGold = 3;
