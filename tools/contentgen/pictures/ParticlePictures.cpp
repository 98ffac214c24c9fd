// Particle sprites, trails, the line-of-sight and sudden-death sheets, full-window overlays, the grass blade
// and the flat normal map.
#include <algorithm>
#include <cmath>

#include "pictures/Palette.h"
#include "pictures/PictureCatalog.h"
#include "textures/Noise.h"

namespace {

constexpr int kSprite = 64;

float Smooth(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Distance from the sprite's centre, 0 there and 1 at the middle of an edge.
float Radius(glm::vec2 uv) {
    return glm::length(uv - glm::vec2(0.5f)) * 2.0f;
}

// A soft round blob: color with alpha falling off to nothing at the edge.
Image SoftDisc(const glm::vec4& color, float hardness, unsigned seed, float noise) {
    Image image(kSprite, kSprite);
    image.Shade([&](glm::vec2, glm::vec2 uv) {
        const float n = noise > 0.0f ? FractalNoise(uv.x, uv.y, 4, 3, seed) : 0.5f;
        const float falloff = 1.0f - Smooth(hardness, 1.0f, Radius(uv) + noise * (n - 0.5f));
        return Palette::WithAlpha(color, color.a * falloff);
    });
    return image;
}

// For additive blending: black where nothing is added, the colour carries the intensity, alpha stays 1.
Image Fire() {
    Image image(kSprite, kSprite);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x, uv.y, 4, 3, 5u);
        const float heat = std::pow(std::max(0.0f, 1.0f - Radius(uv) - 0.2f * (n - 0.5f)), 1.6f);
        const glm::vec3 hot(1.0f, 0.85f, 0.45f);
        const glm::vec3 warm(0.9f, 0.32f, 0.06f);
        return glm::vec4(glm::mix(warm, hot, heat) * heat, 1.0f);
    });
    return image;
}

Image Star(const glm::vec4& color, int points, float thinness) {
    Image image(kSprite, kSprite);
    image.Shade([&](glm::vec2, glm::vec2 uv) {
        const glm::vec2 d = (uv - glm::vec2(0.5f)) * 2.0f;
        const float r = glm::length(d);
        const float a = std::atan2(d.y, d.x);
        const float rays = std::pow(std::abs(std::cos(a * static_cast<float>(points) * 0.5f)), thinness);
        const float glow =
            std::max(0.0f, 1.0f - r) * (0.25f + 0.75f * rays) + std::max(0.0f, 0.25f - r) * 3.0f;
        return Palette::WithAlpha(glm::mix(color, glm::vec4(1.0f), std::min(1.0f, glow * 0.5f)),
                                  std::min(1.0f, glow));
    });
    return image;
}

Image Leaf(const glm::vec4& color, int lobes, unsigned seed) {
    Image image(kSprite, kSprite);
    image.FillShaded(
        [&](glm::vec2 p) {
            const glm::vec2 d = p - glm::vec2(32.0f);
            const float a = std::atan2(d.y, d.x);
            const float r = lobes > 0
                                ? 17.0f + 11.0f * std::abs(std::cos(a * static_cast<float>(lobes) * 0.5f))
                                : 26.0f * (0.55f + 0.45f * std::abs(std::sin(a)));
            return glm::length(d) - r;
        },
        [&](glm::vec2 p, glm::vec2 uv) {
            const float n = FractalNoise(uv.x, uv.y, 4, 2, seed);
            const float vein = std::abs(p.x - 32.0f) < 1.0f ? 0.7f : 1.0f;
            return glm::vec4(glm::vec3(color) * (0.8f + 0.4f * n) * vein, 1.0f);
        });
    return image;
}

Image Bubble() {
    Image image(kSprite, kSprite);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float r = Radius(uv);
        const float rim = std::max(0.0f, 1.0f - std::abs(r - 0.85f) * 8.0f);
        const float body = r < 0.9f ? 0.18f : 0.0f;
        const float shine = std::max(0.0f, 1.0f - glm::length(uv - glm::vec2(0.36f, 0.32f)) * 9.0f);
        return glm::vec4(glm::mix(glm::vec3(Palette::kHeal), glm::vec3(1.0f), shine + rim * 0.3f),
                         std::min(1.0f, body + rim * 0.8f + shine));
    });
    return image;
}

Image Blood() {
    Image image(kSprite, kSprite);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x, uv.y, 4, 3, 13u);
        const float shape = 1.0f - Smooth(0.45f, 0.8f, Radius(uv) + 0.5f * (n - 0.5f));
        return glm::vec4(0.55f, 0.03f, 0.04f, shape);
    });
    return image;
}

Image Trail() {
    Image image(64, 32);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float across = 1.0f - std::abs(uv.y - 0.5f) * 2.0f;
        return glm::vec4(1.0f, 1.0f, 1.0f, std::pow(across, 1.5f) * (0.4f + 0.6f * uv.x));
    });
    return image;
}

// Both sheets scroll in u, so the noise repeats across the width (it tiles over the unit square).
Image ShadowSheet() {
    Image image(256, 128);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x, uv.y, 8, 4, 17u);
        return Palette::WithAlpha(Palette::kInk, 0.82f + 0.18f * n);
    });
    return image;
}

Image SuddenDeathSheet() {
    Image image(256, 128);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x, uv.y, 4, 5, 23u);
        const glm::vec4 mist = Palette::Mix(glm::vec4(0.35f, 0.06f, 0.2f, 1.0f), Palette::kMagic, n * n);
        return Palette::WithAlpha(mist, 0.35f + 0.6f * n);
    });
    return image;
}

Image Flat(const glm::vec4& color, int size) {
    Image image(size, size);
    image.Shade([&](glm::vec2, glm::vec2) { return color; });
    return image;
}

Image Stealth() {
    Image image(64, 64);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float edge = Smooth(0.4f, 1.3f, Radius(uv));
        return glm::vec4(0.2f, 0.16f, 0.45f, 0.12f + 0.45f * edge);
    });
    return image;
}

Image ShieldBubble() {
    Image image(90, 140);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float r = glm::length((uv - glm::vec2(0.5f)) * 2.0f);
        const float rim = std::max(0.0f, 1.0f - std::abs(r - 0.9f) * 7.0f);
        const float inside = r < 0.95f ? 0.15f + 0.25f * r * r : 0.0f;
        const float hex = 0.5f + 0.5f * std::sin(uv.x * 40.0f) * std::sin(uv.y * 60.0f);
        return Palette::WithAlpha(glm::mix(Palette::kGold, glm::vec4(1.0f), rim * 0.5f),
                                  std::min(1.0f, inside * (0.7f + 0.3f * hex) + rim * 0.8f));
    });
    return image;
}

Image GrassBlade() {
    Image image(32, 64);
    image.FillShaded(
        [](glm::vec2 p) {
            const float t = p.y / 64.0f;  // 0 at the tip, 1 at the root
            const float center = 16.0f + 5.0f * (1.0f - t) * (1.0f - t);
            return std::abs(p.x - center) - 5.0f * t - 0.3f;
        },
        [](glm::vec2, glm::vec2 uv) {
            return Palette::Mix(glm::vec4(0.55f, 0.75f, 0.35f, 1.0f), glm::vec4(0.12f, 0.3f, 0.1f, 1.0f),
                                uv.y);
        });
    return image;
}

}  // namespace

void AddParticlePictures(PictureList& list) {
    const auto add = [&list](const char* file, std::function<Image()> build) {
        list.push_back({std::string("Particles/") + file, std::move(build)});
    };
    add("smokeParticle_texture.png",
        [] { return SoftDisc(glm::vec4(0.62f, 0.6f, 0.66f, 0.75f), 0.1f, 3u, 0.5f); });
    add("FireParticle.png", Fire);
    add("fireSparkParticle.png", [] { return Star(Palette::kFire, 4, 8.0f); });
    add("greenLeafParticle_texture.png", [] { return Leaf(Palette::kLeaf, 0, 7u); });
    add("sakuraLeafParticle_texture.png", [] { return Leaf(Palette::kSakura, 5, 8u); });
    add("AcerPlamatumLeafParticle.png", [] { return Leaf(glm::vec4(0.85f, 0.2f, 0.1f, 1.0f), 7, 9u); });
    add("Particle_Sparkle.png", [] { return Star(Palette::kGold, 4, 12.0f); });
    add("WorldDustParticle.png", [] { return SoftDisc(glm::vec4(0.85f, 0.8f, 0.7f, 0.5f), 0.0f, 4u, 0.0f); });
    add("FireFlies.png", [] { return Star(glm::vec4(0.8f, 1.0f, 0.4f, 1.0f), 8, 30.0f); });
    add("BubbleParticle.png", Bubble);
    add("BloodParticle.png", Blood);
    add("HealingSparkle.png", [] { return Star(Palette::kHeal, 4, 4.0f); });
    add("ShieldParticle.png", [] { return Star(Palette::kGold, 6, 3.0f); });
    add("flashbang_texture.png", [] { return SoftDisc(glm::vec4(1.0f, 0.98f, 0.9f, 1.0f), 0.2f, 6u, 0.3f); });
    add("Trail.png", Trail);
    add("ShadowShapeTexture.png", ShadowSheet);
    add("SuddenDeathTexture.png", SuddenDeathSheet);
    add("Flash.png", [] { return Flat(glm::vec4(1.0f), 16); });
    add("StealthOverlay.png", Stealth);
    add("ShieldOverlay3.png", ShieldBubble);
    add("GrassFoil.png", GrassBlade);
    // The grass's normal map points straight out of the surface.
    list.push_back({"blanknormalmap_50.png",
                    [] { return Flat(glm::vec4(128.0f / 255.0f, 128.0f / 255.0f, 1.0f, 1.0f), 50); }});
}
