#include "textures/Noise.h"

#include <cmath>

namespace {

std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

std::int32_t Wrap(std::int32_t value, std::int32_t period) {
    const std::int32_t r = value % period;
    return r < 0 ? r + period : r;
}

float Smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace

float LatticeValue(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    const std::uint32_t h = Mix(static_cast<std::uint32_t>(x) * 0x9e3779b1U ^
                                Mix(static_cast<std::uint32_t>(y) ^ (seed * 0x85ebca6bU)));
    return static_cast<float>(h >> 8) / 16777216.0f;
}

float ValueNoise(float x, float y, std::int32_t period, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const std::int32_t x0 = Wrap(ix, period);
    const std::int32_t x1 = Wrap(ix + 1, period);
    const std::int32_t y0 = Wrap(iy, period);
    const std::int32_t y1 = Wrap(iy + 1, period);
    const float a = LatticeValue(x0, y0, seed);
    const float b = LatticeValue(x1, y0, seed);
    const float c = LatticeValue(x0, y1, seed);
    const float d = LatticeValue(x1, y1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float FractalNoise(float u, float v, std::int32_t basePeriod, int octaves, std::uint32_t seed) {
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    std::int32_t period = basePeriod;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * ValueNoise(u * static_cast<float>(period), v * static_cast<float>(period), period,
                                   seed + static_cast<std::uint32_t>(octave) * 101U);
        total += weight;
        weight *= 0.5f;
        period *= 2;
    }
    return sum / total;
}
