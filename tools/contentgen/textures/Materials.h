// Procedural surface patterns for the props and characters. Every pattern tiles over its square, takes its
// colours as parameters and is fully determined by its arguments.
#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include "textures/Surface.h"

// Wood grain running along v, with darker rings.
Surface WoodSurface(int size, const glm::vec3& light, const glm::vec3& dark, std::uint32_t seed);
// Stone blocks laid in rows with mortar joints; odd rows are offset by half a block.
Surface StoneBlockSurface(int size, const glm::vec3& stone, const glm::vec3& mortar, int rows,
                          int blocksPerRow, std::uint32_t seed);
// Short grass with darker patches.
Surface GrassSurface(int size, const glm::vec3& base, const glm::vec3& tip, std::uint32_t seed);
// Small stones on earth.
Surface GravelSurface(int size, const glm::vec3& earth, const glm::vec3& stone, std::uint32_t seed);
// A plain weave.
Surface ClothSurface(int size, const glm::vec3& color, int threads, std::uint32_t seed);
// Brushed metal.
Surface MetalSurface(int size, const glm::vec3& color, std::uint32_t seed);
// Clustered leaves or petals.
Surface LeafSurface(int size, const glm::vec3& light, const glm::vec3& dark, std::uint32_t seed);
Surface SkinSurface(int size, const glm::vec3& tone, std::uint32_t seed);
Surface PaperSurface(int size, const glm::vec3& tone, std::uint32_t seed);
// Woven straw or bamboo: tight stripes along v.
Surface StrawSurface(int size, const glm::vec3& light, const glm::vec3& dark, int stripes,
                     std::uint32_t seed);
// A translucent liquid with ripples; alpha below 1.
Surface LiquidSurface(int size, const glm::vec3& color, float alpha, std::uint32_t seed);
// Glowing embers from dark to bright.
Surface EmberSurface(int size, const glm::vec3& dark, const glm::vec3& bright, std::uint32_t seed);
// Feathers: barbs along the diagonal.
Surface FeatherSurface(int size, const glm::vec3& light, const glm::vec3& dark, std::uint32_t seed);
// A disc for ground markers: fillAlpha inside, a brighter rim of edgeAlpha near the edge, clear outside.
Surface MarkerSurface(int size, const glm::vec3& color, float fillAlpha, float edgeAlpha);
// One colour, slightly mottled.
Surface PlainSurface(int size, const glm::vec3& color, float alpha, std::uint32_t seed);
