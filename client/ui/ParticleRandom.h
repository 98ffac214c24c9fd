// The random numbers of the particle effects: each draw is (a - b) / 32767 with a and b uniform in
// 0..32767, a value in [-1, 1] that lies near 0 more often than near the ends. A generator is seeded once,
// so the same seed gives the same effects (tests seed their own; emitters share one by default).
#pragma once

#include <cstdint>
#include <random>

class ParticleRandom {
public:
    explicit ParticleRandom(std::uint32_t seed = 1) : m_engine(seed) {}

    // The generator every emitter uses unless it is given its own.
    static ParticleRandom& Shared();

    float Next();

private:
    std::minstd_rand m_engine;
};
