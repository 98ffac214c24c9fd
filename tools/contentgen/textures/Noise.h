// Deterministic, tileable value noise: the same inputs give the same values on every run and machine, so
// generated textures are identical byte for byte.
#pragma once

#include <cstdint>

// A value in [0, 1) for the lattice point (x, y) and the seed.
float LatticeValue(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Smoothly interpolated lattice values at (x, y) in lattice units; the lattice repeats every period cells,
// so the noise tiles over period x period.
float ValueNoise(float x, float y, std::int32_t period, std::uint32_t seed);

// Sum of octaves of value noise over the unit square (u, v in [0, 1)), starting at basePeriod cells across
// and doubling each octave, each half as strong. Tiles over the unit square. Result in [0, 1).
float FractalNoise(float u, float v, std::int32_t basePeriod, int octaves, std::uint32_t seed);
