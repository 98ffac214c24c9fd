#include "client/ui/ParticleRandom.h"

namespace {
constexpr int kLargest = 32767;
}

ParticleRandom& ParticleRandom::Shared() {
    static ParticleRandom shared;
    return shared;
}

float ParticleRandom::Next() {
    std::uniform_int_distribution<int> draw(0, kLargest);
    const int a = draw(m_engine);
    const int b = draw(m_engine);
    return static_cast<float>(a - b) / static_cast<float>(kLargest);
}
