// Small deterministic synthesis blocks for the game's sounds: mono signals at one sample rate, noise from a
// seeded generator, envelopes, filters and mixing. The same calls give the same samples on every run.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

inline constexpr int kSampleRate = 22050;

using Signal = std::vector<float>;

int Samples(float seconds);

class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : m_state(seed * 2654435761u + 1u) {}
    // White noise in [-1, 1).
    float Next();

private:
    std::uint32_t m_state;
};

Signal WhiteNoise(float seconds, std::uint32_t seed);
// A tone whose frequency (Hz) follows frequency(t) over seconds; shape 0 sine, 1 triangle-ish, 2 saw-ish.
Signal Tone(float seconds, const std::function<float(float)>& frequency, int shape = 0);
// Multiplies the signal by envelope(t) with t in seconds.
void Shape(Signal& signal, const std::function<float(float)>& envelope);
// Attack then exponential decay.
std::function<float(float)> Pluck(float attack, float decay);
// One-pole filters; cutoff(t) in Hz may move over time.
void LowPass(Signal& signal, const std::function<float(float)>& cutoff);
void HighPass(Signal& signal, float cutoff);
// A resonant band pass (state-variable), centre(t) in Hz.
void BandPass(Signal& signal, const std::function<float(float)>& centre, float q);
// Adds source into target starting at offset seconds, scaled by gain; grows target as needed.
void MixInto(Signal& target, const Signal& source, float offset, float gain = 1.0f);
// Scales the signal so its peak is peak.
void Normalize(Signal& signal, float peak);
// Makes the signal loop without a click: the last `seconds` are faded into the start and cut off.
void MakeLoop(Signal& signal, float seconds);
// A plucked string (Karplus-Strong) at frequency for seconds.
Signal PluckedString(float frequency, float seconds, std::uint32_t seed, float damping = 0.996f);
