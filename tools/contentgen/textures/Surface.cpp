#include "textures/Surface.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint8_t ToByte(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

float Surface::HeightWrapped(int x, int y) const {
    const int wx = (x % size + size) % size;
    const int wy = (y % size + size) % size;
    return height[static_cast<std::size_t>(wy * size + wx)];
}

BakedTexture Bake(const Surface& surface) {
    BakedTexture baked;
    baked.size = surface.size;
    const auto texels = static_cast<std::size_t>(surface.size * surface.size);
    baked.diffuse.resize(texels * 4);
    baked.normal.resize(texels * 4);
    for (int y = 0; y < surface.size; ++y) {
        for (int x = 0; x < surface.size; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * surface.size + x);
            const glm::vec4& c = surface.color[i];
            baked.diffuse[i * 4 + 0] = ToByte(c.r);
            baked.diffuse[i * 4 + 1] = ToByte(c.g);
            baked.diffuse[i * 4 + 2] = ToByte(c.b);
            baked.diffuse[i * 4 + 3] = ToByte(c.a);
            // Central differences; u grows with x and v with y (rows run down the image).
            const float dx = surface.HeightWrapped(x + 1, y) - surface.HeightWrapped(x - 1, y);
            const float dy = surface.HeightWrapped(x, y + 1) - surface.HeightWrapped(x, y - 1);
            const glm::vec3 n = glm::normalize(
                glm::vec3(-dx * 0.5f * surface.bumpStrength, -dy * 0.5f * surface.bumpStrength, 1.0f));
            baked.normal[i * 4 + 0] = ToByte(n.x * 0.5f + 0.5f);
            baked.normal[i * 4 + 1] = ToByte(n.y * 0.5f + 0.5f);
            baked.normal[i * 4 + 2] = ToByte(n.z * 0.5f + 0.5f);
            baked.normal[i * 4 + 3] = 255;
        }
    }
    return baked;
}

BakedTexture MakeAtlas(const BakedTexture& t0, const BakedTexture& t1, const BakedTexture& t2,
                       const BakedTexture& t3) {
    const BakedTexture* tiles[4] = {&t0, &t1, &t2, &t3};
    const int tile = t0.size;
    BakedTexture atlas;
    atlas.size = tile * 2;
    const auto bytes = static_cast<std::size_t>(atlas.size * atlas.size * 4);
    atlas.diffuse.resize(bytes);
    atlas.normal.resize(bytes);
    for (int k = 0; k < 4; ++k) {
        const int ox = (k % 2) * tile;
        const int oy = (k / 2) * tile;
        // A tile of another size is resampled to the first tile's size (nearest texel).
        const int source = tiles[k]->size;
        for (int y = 0; y < tile; ++y) {
            for (int x = 0; x < tile; ++x) {
                const auto from =
                    static_cast<std::size_t>(((y * source / tile) * source + x * source / tile) * 4);
                const auto to = static_cast<std::size_t>(((oy + y) * atlas.size + ox + x) * 4);
                for (std::size_t c = 0; c < 4; ++c) {
                    atlas.diffuse[to + c] = tiles[k]->diffuse[from + c];
                    atlas.normal[to + c] = tiles[k]->normal[from + c];
                }
            }
        }
    }
    return atlas;
}

ModelTexture DiffuseTexture(const BakedTexture& texture) {
    return ModelTexture{texture.size, texture.size, kModelTextureBytesPerPixel, texture.diffuse};
}

ModelTexture NormalTexture(const BakedTexture& texture) {
    return ModelTexture{texture.size, texture.size, kModelTextureBytesPerPixel, texture.normal};
}
