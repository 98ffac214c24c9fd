#include "sounds/Synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831853f;

float TimeOf(std::size_t i) {
    return static_cast<float>(i) / static_cast<float>(kSampleRate);
}

}  // namespace

int Samples(float seconds) {
    return std::max(1, static_cast<int>(std::lround(seconds * static_cast<float>(kSampleRate))));
}

float NoiseSource::Next() {
    m_state = m_state * 1664525u + 1013904223u;
    return static_cast<float>(m_state >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

Signal WhiteNoise(float seconds, std::uint32_t seed) {
    NoiseSource noise(seed);
    Signal signal(static_cast<std::size_t>(Samples(seconds)));
    for (float& s : signal) {
        s = noise.Next();
    }
    return signal;
}

Signal Tone(float seconds, const std::function<float(float)>& frequency, int shape) {
    Signal signal(static_cast<std::size_t>(Samples(seconds)));
    double phase = 0.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        phase += static_cast<double>(frequency(TimeOf(i))) / kSampleRate;
        phase -= std::floor(phase);
        const float p = static_cast<float>(phase);
        switch (shape) {
            case 1:
                signal[i] = 1.0f - 4.0f * std::abs(p - 0.5f);
                break;
            case 2:
                signal[i] = 0.6f * (2.0f * p - 1.0f) + 0.4f * std::sin(kTwoPi * p);
                break;
            default:
                signal[i] = std::sin(kTwoPi * p);
                break;
        }
    }
    return signal;
}

void Shape(Signal& signal, const std::function<float(float)>& envelope) {
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] *= envelope(TimeOf(i));
    }
}

std::function<float(float)> Pluck(float attack, float decay) {
    return [attack, decay](float t) { return t < attack ? t / attack : std::exp(-(t - attack) / decay); };
}

void LowPass(Signal& signal, const std::function<float(float)>& cutoff) {
    float state = 0.0f;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const float a = 1.0f - std::exp(-kTwoPi * cutoff(TimeOf(i)) / static_cast<float>(kSampleRate));
        state += a * (signal[i] - state);
        signal[i] = state;
    }
}

void HighPass(Signal& signal, float cutoff) {
    Signal low = signal;
    LowPass(low, [cutoff](float) { return cutoff; });
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] -= low[i];
    }
}

void BandPass(Signal& signal, const std::function<float(float)>& centre, float q) {
    float low = 0.0f;
    float band = 0.0f;
    const float damping = 1.0f / std::max(q, 0.5f);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const float f = std::min(0.45f, 2.0f * std::sin(3.14159265f * centre(TimeOf(i)) / kSampleRate));
        low += f * band;
        const float high = signal[i] - low - damping * band;
        band += f * high;
        signal[i] = band;
    }
}

void MixInto(Signal& target, const Signal& source, float offset, float gain) {
    const std::size_t start =
        static_cast<std::size_t>(std::max(0, static_cast<int>(std::lround(offset * kSampleRate))));
    if (target.size() < start + source.size()) {
        target.resize(start + source.size(), 0.0f);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[start + i] += source[i] * gain;
    }
}

void Normalize(Signal& signal, float peak) {
    float loudest = 0.0f;
    for (float s : signal) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0.0f) {
        for (float& s : signal) {
            s *= peak / loudest;
        }
    }
}

void MakeLoop(Signal& signal, float seconds) {
    const std::size_t fade = static_cast<std::size_t>(Samples(seconds));
    if (signal.size() <= 2 * fade) {
        return;
    }
    const std::size_t length = signal.size() - fade;
    for (std::size_t i = 0; i < fade; ++i) {
        // Equal-power crossfade of the tail into the head.
        const float t = (static_cast<float>(i) + 0.5f) / static_cast<float>(fade);
        signal[i] = signal[i] * std::sin(t * 1.5707964f) + signal[length + i] * std::cos(t * 1.5707964f);
    }
    signal.resize(length);
}

Signal PluckedString(float frequency, float seconds, std::uint32_t seed, float damping) {
    const std::size_t period = static_cast<std::size_t>(std::max(2L, std::lround(kSampleRate / frequency)));
    Signal ring = WhiteNoise(static_cast<float>(period) / kSampleRate + 0.001f, seed);
    ring.resize(period);
    Signal out(static_cast<std::size_t>(Samples(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t k = i % period;
        const float next = ring[(k + 1) % period];
        out[i] = ring[k];
        ring[k] = damping * 0.5f * (ring[k] + next);
    }
    return out;
}
