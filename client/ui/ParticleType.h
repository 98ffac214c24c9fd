// The sixteen kinds of particle effect and the constants each one fixes: its picture, its blend, how many
// particles it births per second and keeps at most, where and how fast they start, how long they live, and
// how their opacity fades. Number 7 names no kind: an emitter of that number (or of any number outside
// 0..15) cannot be created.
#pragma once

#include <cstdint>

#include <glm/vec3.hpp>

enum class ParticleType : std::int32_t {
    SmokeParticles = 0,
    FireParticles = 1,
    FireSparkParticles = 2,
    TorchFireParticles = 3,
    GreenLeafParticles = 4,
    SakuraLeafParticles = 5,
    AcerLeafParticles = 6,
    SparkleParticles = 8,
    WorldDustParticles = 9,
    FireflyParticles = 10,
    BubbleParticles = 11,
    BloodParticles = 12,
    HealingParticles = 13,
    ShieldParticles = 14,
    FlashBangParticles = 15,
};

struct ParticleTypeConstants {
    const char* texture = "";  // the picture's path in the texture library
    bool additive = false;     // drawn with the additive point-light blend and the fire look
    float rate = 0.0f;         // births per second (at most one per frame)
    int maxParticles = 0;      // slots; one stays free, so at most maxParticles - 1 live at once
    glm::vec3 spread{0.0f};    // birth places spread per axis around the emitter, world units
    float speed = 0.0f;        // world units per second
    float speedSpread = 0.0f;
    float lifetime = 0.0f;  // seconds; FLT_MAX for a kind whose particles never expire
    float extent = 0.0f;    // half-width of the band world dust crosses; 0 for the other kinds
    bool randomRotation = false;
    int fadeOutPasses = 0;    // how often per frame the second half of a life fades the opacity
    float fadeInStep = 0.0f;  // seconds between opacity steps of the fade-in; 0 for no fade-in
    float birthOpacity = 1.0f;
};

// The constants of the kind, or null for a number that names none (7, negative, above 15).
const ParticleTypeConstants* FindParticleType(ParticleType type);
