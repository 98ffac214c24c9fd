// A square surface pattern before baking: a colour with alpha and a height per texel. Baking turns it into
// the two RGBA textures a model carries, the diffuse texture and a tangent-space normal map derived from
// the heights.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "shared/ModelFileData.h"

struct Surface {
    explicit Surface(int texels)
        : size(texels), color(static_cast<std::size_t>(texels * texels)), height(color.size()) {}

    glm::vec4& Color(int x, int y) { return color[static_cast<std::size_t>(y * size + x)]; }
    float& Height(int x, int y) { return height[static_cast<std::size_t>(y * size + x)]; }
    float HeightWrapped(int x, int y) const;

    int size;
    std::vector<glm::vec4> color;  // r, g, b, a in 0..1
    std::vector<float> height;     // 0..1
    float bumpStrength = 2.0f;     // how steep the normal map makes a height step of 1 over one texel
};

// Baked RGBA bytes of a square texture and its normal map.
struct BakedTexture {
    int size = 0;
    std::vector<std::uint8_t> diffuse;
    std::vector<std::uint8_t> normal;
};

BakedTexture Bake(const Surface& surface);

// Four baked textures of one size side by side in a 2 x 2 atlas: 0 top left, 1 top right, 2 bottom left,
// 3 bottom right.
BakedTexture MakeAtlas(const BakedTexture& t0, const BakedTexture& t1, const BakedTexture& t2,
                       const BakedTexture& t3);

// The model file's texture blocks (4 bytes per pixel).
ModelTexture DiffuseTexture(const BakedTexture& texture);
ModelTexture NormalTexture(const BakedTexture& texture);
