#include "textures/Materials.h"

#include <algorithm>
#include <cmath>

#include "textures/Noise.h"

namespace {

constexpr float kTwoPi = 6.28318530718f;

// Fills a surface from a function of the texel centre (u, v in [0, 1)) returning colour and height.
template <typename F>
Surface Fill(int size, F&& texel) {
    Surface surface(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(size);
            const float v = (static_cast<float>(y) + 0.5f) / static_cast<float>(size);
            float height = 0.5f;
            const glm::vec4 color = texel(u, v, height);
            surface.Color(x, y) = glm::clamp(color, glm::vec4(0.0f), glm::vec4(1.0f));
            surface.Height(x, y) = std::clamp(height, 0.0f, 1.0f);
        }
    }
    return surface;
}

float SmoothStep(float e0, float e1, float x) {
    const float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float Fract(float x) {
    return x - std::floor(x);
}

}  // namespace

Surface WoodSurface(int size, const glm::vec3& light, const glm::vec3& dark, std::uint32_t seed) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float warp = FractalNoise(u, v, 2, 3, seed);
        const float ring = Fract(u * 6.0f + warp * 1.5f);
        const float grain = FractalNoise(u * 1.0f, v, 16, 2, seed + 7);
        const float darkness = SmoothStep(0.55f, 0.95f, ring) * 0.7f + grain * 0.3f;
        h = 0.8f - darkness * 0.5f;
        return glm::vec4(glm::mix(light, dark, darkness), 1.0f);
    });
    s.bumpStrength = 3.0f;
    return s;
}

Surface StoneBlockSurface(int size, const glm::vec3& stone, const glm::vec3& mortar, int rows,
                          int blocksPerRow, std::uint32_t seed) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float rowF = v * static_cast<float>(rows);
        const int row = static_cast<int>(rowF);
        const float shifted = u * static_cast<float>(blocksPerRow) + (row % 2 == 1 ? 0.5f : 0.0f);
        const int block = static_cast<int>(std::floor(shifted));
        const float bx = Fract(shifted);
        const float by = Fract(rowF);
        // Distance to the block's edge in texels.
        const float texelsPerBlockX = static_cast<float>(size) / static_cast<float>(blocksPerRow);
        const float texelsPerRow = static_cast<float>(size) / static_cast<float>(rows);
        const float edge =
            std::min(std::min(bx, 1.0f - bx) * texelsPerBlockX, std::min(by, 1.0f - by) * texelsPerRow);
        const float inBlock = SmoothStep(0.8f, 2.2f, edge);
        const float tint = LatticeValue(block % blocksPerRow, row, seed) * 0.25f - 0.12f;
        const float grit = FractalNoise(u, v, 8, 4, seed + 3);
        const glm::vec3 blockColor = stone * (1.0f + tint) * (0.8f + 0.4f * grit);
        const glm::vec3 mortarColor = mortar * (0.85f + 0.3f * grit);
        h = 0.25f + inBlock * (0.55f + 0.2f * grit);
        return glm::vec4(glm::mix(mortarColor, blockColor, inBlock), 1.0f);
    });
    s.bumpStrength = 4.0f;
    return s;
}

Surface GrassSurface(int size, const glm::vec3& base, const glm::vec3& tip, std::uint32_t seed) {
    return Fill(size, [&](float u, float v, float& h) {
        const float patch = FractalNoise(u, v, 4, 3, seed);
        const float blades = ValueNoise(u * 64.0f, v * 16.0f, 64, seed + 5);
        const float fine = ValueNoise(u * 32.0f, v * 32.0f, 32, seed + 9);
        const float t = std::clamp(0.2f + 0.5f * blades + 0.3f * fine, 0.0f, 1.0f);
        h = 0.3f + 0.6f * blades;
        return glm::vec4(glm::mix(base, tip, t) * (0.75f + 0.5f * patch), 1.0f);
    });
}

Surface GravelSurface(int size, const glm::vec3& earth, const glm::vec3& stone, std::uint32_t seed) {
    return Fill(size, [&](float u, float v, float& h) {
        const float pebbles = ValueNoise(u * 24.0f, v * 24.0f, 24, seed);
        const float fine = FractalNoise(u, v, 16, 3, seed + 2);
        const float stoneAmount = SmoothStep(0.55f, 0.65f, pebbles);
        h = 0.3f + 0.5f * stoneAmount + 0.2f * fine;
        return glm::vec4(glm::mix(earth, stone, stoneAmount) * (0.8f + 0.4f * fine), 1.0f);
    });
}

Surface ClothSurface(int size, const glm::vec3& color, int threads, std::uint32_t seed) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float tu = u * static_cast<float>(threads);
        const float tv = v * static_cast<float>(threads);
        const bool over = (static_cast<int>(tu) + static_cast<int>(tv)) % 2 == 0;
        const float across = 0.5f + 0.5f * std::sin(kTwoPi * (over ? tv : tu));
        const float fibre = FractalNoise(u, v, 8, 3, seed);
        h = 0.4f + 0.4f * across;
        return glm::vec4(color * (0.75f + 0.2f * across + 0.2f * fibre), 1.0f);
    });
    s.bumpStrength = 1.5f;
    return s;
}

Surface MetalSurface(int size, const glm::vec3& color, std::uint32_t seed) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float brushed = ValueNoise(u * 64.0f, v * 4.0f, 64, seed) * 0.6f +
                              ValueNoise(u * 32.0f, v * 2.0f, 32, seed + 1) * 0.4f;
        const float wear = FractalNoise(u, v, 4, 3, seed + 4);
        h = 0.5f + 0.1f * brushed;
        return glm::vec4(color * (0.8f + 0.25f * brushed + 0.15f * wear), 1.0f);
    });
    s.bumpStrength = 1.0f;
    return s;
}

Surface LeafSurface(int size, const glm::vec3& light, const glm::vec3& dark, std::uint32_t seed) {
    return Fill(size, [&](float u, float v, float& h) {
        const float clusters = FractalNoise(u, v, 8, 4, seed);
        const float leaves = ValueNoise(u * 32.0f, v * 32.0f, 32, seed + 3);
        const float t = SmoothStep(0.35f, 0.7f, clusters * 0.6f + leaves * 0.4f);
        h = t;
        return glm::vec4(glm::mix(dark, light, t), 1.0f);
    });
}

Surface SkinSurface(int size, const glm::vec3& tone, std::uint32_t seed) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float n = FractalNoise(u, v, 8, 3, seed);
        h = 0.5f + 0.1f * n;
        return glm::vec4(tone * (0.92f + 0.12f * n), 1.0f);
    });
    s.bumpStrength = 0.5f;
    return s;
}

Surface PaperSurface(int size, const glm::vec3& tone, std::uint32_t seed) {
    return Fill(size, [&](float u, float v, float& h) {
        const float fibres =
            ValueNoise(u * 48.0f, v * 6.0f, 48, seed) * 0.5f + FractalNoise(u, v, 8, 3, seed + 1) * 0.5f;
        const float line = SmoothStep(0.9f, 0.97f, Fract(v * 8.0f)) * 0.25f;
        h = 0.5f + 0.1f * fibres;
        return glm::vec4(tone * (0.9f + 0.15f * fibres - line), 1.0f);
    });
}

Surface StrawSurface(int size, const glm::vec3& light, const glm::vec3& dark, int stripes,
                     std::uint32_t seed) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float stripe = 0.5f + 0.5f * std::sin(kTwoPi * u * static_cast<float>(stripes));
        const float n = FractalNoise(u, v, 8, 3, seed);
        const float t = std::clamp(stripe * 0.6f + n * 0.4f, 0.0f, 1.0f);
        h = 0.3f + 0.6f * stripe;
        return glm::vec4(glm::mix(dark, light, t), 1.0f);
    });
    s.bumpStrength = 2.5f;
    return s;
}

Surface LiquidSurface(int size, const glm::vec3& color, float alpha, std::uint32_t seed) {
    return Fill(size, [&](float u, float v, float& h) {
        const float ripples = FractalNoise(u, v, 4, 4, seed);
        const float shine = SmoothStep(0.6f, 0.8f, ripples);
        h = ripples;
        return glm::vec4(glm::mix(color, glm::vec3(1.0f), shine * 0.35f), alpha);
    });
}

Surface EmberSurface(int size, const glm::vec3& dark, const glm::vec3& bright, std::uint32_t seed) {
    return Fill(size, [&](float u, float v, float& h) {
        const float n = FractalNoise(u, v, 4, 4, seed);
        const float glow = SmoothStep(0.45f, 0.75f, n);
        h = 1.0f - glow;
        return glm::vec4(glm::mix(dark, bright, glow), 1.0f);
    });
}

Surface FeatherSurface(int size, const glm::vec3& light, const glm::vec3& dark, std::uint32_t seed) {
    return Fill(size, [&](float u, float v, float& h) {
        const float barbs = 0.5f + 0.5f * std::sin(kTwoPi * (u * 8.0f + v * 24.0f));
        const float bands = SmoothStep(0.3f, 0.7f, FractalNoise(u, v, 4, 2, seed));
        h = 0.4f + 0.3f * barbs;
        return glm::vec4(glm::mix(dark, light, bands * 0.7f + barbs * 0.3f), 1.0f);
    });
}

Surface MarkerSurface(int size, const glm::vec3& color, float fillAlpha, float edgeAlpha) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float r = 2.0f * glm::length(glm::vec2(u - 0.5f, v - 0.5f));
        const float rim = SmoothStep(0.78f, 0.9f, r) * (1.0f - SmoothStep(0.97f, 1.0f, r));
        const float inside = 1.0f - SmoothStep(0.97f, 1.0f, r);
        h = 0.5f;
        const float alpha = std::max(fillAlpha * inside, edgeAlpha * rim);
        return glm::vec4(glm::mix(color, glm::vec3(1.0f), rim * 0.5f), alpha);
    });
    s.bumpStrength = 0.0f;
    return s;
}

Surface PlainSurface(int size, const glm::vec3& color, float alpha, std::uint32_t seed) {
    Surface s = Fill(size, [&](float u, float v, float& h) {
        const float n = FractalNoise(u, v, 4, 3, seed);
        h = 0.5f + 0.05f * n;
        return glm::vec4(color * (0.9f + 0.2f * n), alpha);
    });
    s.bumpStrength = 0.5f;
    return s;
}
