#include "sounds/SoundEffects.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831853f;

Signal Done(Signal signal) {
    Normalize(signal, 0.9f);
    return signal;
}

// Fades the last few milliseconds so a one-shot never ends on a click.
void Tail(Signal& signal) {
    const std::size_t fade = std::min<std::size_t>(signal.size(), static_cast<std::size_t>(Samples(0.01f)));
    for (std::size_t i = 0; i < fade; ++i) {
        signal[signal.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
}

}  // namespace

Signal Whoosh(float seconds, float f0, float f1, std::uint32_t seed, float q) {
    Signal s = WhiteNoise(seconds, seed);
    BandPass(
        s, [=](float t) { return f0 + (f1 - f0) * t / seconds; }, q);
    Shape(s, [=](float t) {
        const float x = t / seconds;
        return std::sin(3.14159265f * std::pow(x, 0.7f)) * std::sin(3.14159265f * std::pow(x, 0.7f));
    });
    Tail(s);
    return Done(s);
}

Signal Clang(float seconds, float pitch, std::uint32_t seed) {
    Signal s(static_cast<std::size_t>(Samples(seconds)), 0.0f);
    const float ratios[] = {1.0f, 2.76f, 5.4f, 8.93f};
    for (int i = 0; i < 4; ++i) {
        Signal partial = Tone(seconds, [=](float) { return pitch * ratios[i]; });
        Shape(partial, Pluck(0.001f, seconds * 0.35f / static_cast<float>(i + 1)));
        MixInto(s, partial, 0.0f, 1.0f / static_cast<float>(i + 1));
    }
    Signal click = WhiteNoise(0.02f, seed);
    HighPass(click, 2000.0f);
    Shape(click, Pluck(0.0005f, 0.006f));
    MixInto(s, click, 0.0f, 1.5f);
    Tail(s);
    return Done(s);
}

Signal Thud(float seconds, float pitch, std::uint32_t seed) {
    Signal s = Tone(seconds, [=](float t) { return pitch * (1.0f + 1.5f * std::exp(-t * 30.0f)); });
    Shape(s, Pluck(0.002f, seconds * 0.3f));
    Signal noise = WhiteNoise(seconds, seed);
    LowPass(noise, [](float) { return 900.0f; });
    Shape(noise, Pluck(0.001f, 0.03f));
    MixInto(s, noise, 0.0f, 1.2f);
    Tail(s);
    return Done(s);
}

Signal Crack(float seconds, std::uint32_t seed) {
    Signal s = Whoosh(seconds * 0.8f, 400.0f, 3000.0f, seed, 2.0f);
    Signal snap = WhiteNoise(0.04f, seed + 100u);
    HighPass(snap, 1500.0f);
    Shape(snap, Pluck(0.0005f, 0.008f));
    MixInto(s, snap, seconds * 0.6f, 2.5f);
    Tail(s);
    return Done(s);
}

Signal Cry(float seconds, bool female, bool dying, std::uint32_t seed) {
    const float base = female ? 330.0f : 150.0f;
    Signal source = Tone(
        seconds,
        [=](float t) {
            const float x = t / seconds;
            const float fall = dying ? 1.25f - 0.55f * x : 1.1f + 0.2f * std::sin(3.14159265f * x);
            return base * fall * (1.0f + 0.02f * std::sin(kTwoPi * 6.0f * t));
        },
        2);
    Signal breath = WhiteNoise(seconds, seed);
    MixInto(source, breath, 0.0f, 0.15f);
    // Two formants sliding from an open "ah" towards a closed "oh".
    Signal first = source;
    BandPass(
        first, [=](float t) { return (female ? 950.0f : 750.0f) - 300.0f * t / seconds; }, 6.0f);
    Signal second = source;
    BandPass(
        second, [=](float t) { return (female ? 1500.0f : 1200.0f) - 350.0f * t / seconds; }, 8.0f);
    MixInto(first, second, 0.0f, 0.7f);
    Shape(first, [=](float t) {
        const float x = t / seconds;
        return std::min(1.0f, x * 12.0f) * (dying ? std::pow(1.0f - x, 1.5f) : std::pow(1.0f - x, 0.6f));
    });
    Tail(first);
    return Done(first);
}

Signal Chime(float seconds, const float* notes, int noteCount, float spacing) {
    Signal s;
    for (int i = 0; i < noteCount; ++i) {
        const float f = notes[i];
        const float length = seconds - spacing * static_cast<float>(i);
        Signal note = Tone(length, [f](float) { return f; });
        Signal overtone = Tone(length, [f](float) { return f * 2.76f; });
        MixInto(note, overtone, 0.0f, 0.3f);
        Shape(note, Pluck(0.003f, length * 0.3f));
        MixInto(s, note, spacing * static_cast<float>(i), 0.7f);
    }
    Tail(s);
    return Done(s);
}

Signal Hum(float seconds, float root, float shimmer) {
    constexpr float kFade = 0.5f;
    const float total = seconds + kFade;
    Signal s = Tone(total, [root](float) { return root; });
    MixInto(s, Tone(total, [root](float) { return root * 1.5f + 0.7f; }), 0.0f, 0.5f);
    MixInto(s, Tone(total, [root](float) { return root * 2.0f - 0.5f; }), 0.0f, 0.3f);
    Signal air = WhiteNoise(total, static_cast<std::uint32_t>(root));
    BandPass(
        air, [root](float) { return root * 6.0f; }, 10.0f);
    MixInto(s, air, 0.0f, shimmer);
    MakeLoop(s, kFade);
    return Done(s);
}

Signal FireLoop(float seconds) {
    constexpr float kFade = 0.5f;
    const float total = seconds + kFade;
    Signal s = WhiteNoise(total, 501u);
    LowPass(s, [](float) { return 500.0f; });
    Shape(s,
          [](float t) { return 0.6f + 0.4f * std::sin(kTwoPi * 0.7f * t) * std::sin(kTwoPi * 0.31f * t); });
    NoiseSource pops(502u);
    for (int i = 0; i < static_cast<int>(total * 14.0f); ++i) {
        const float at = (pops.Next() * 0.5f + 0.5f) * (total - 0.05f);
        Signal pop = WhiteNoise(0.03f, 600u + static_cast<std::uint32_t>(i));
        HighPass(pop, 1200.0f);
        Shape(pop, Pluck(0.0005f, 0.004f + 0.004f * (pops.Next() * 0.5f + 0.5f)));
        MixInto(s, pop, at, 1.5f + pops.Next());
    }
    MakeLoop(s, kFade);
    return Done(s);
}

Signal WindLoop(float seconds) {
    constexpr float kFade = 1.0f;
    const float total = seconds + kFade;
    Signal s = WhiteNoise(total, 701u);
    BandPass(
        s,
        [](float t) {
            return 350.0f + 200.0f * std::sin(kTwoPi * 0.13f * t) + 80.0f * std::sin(kTwoPi * 0.41f * t);
        },
        3.0f);
    Shape(s, [](float t) { return 0.55f + 0.45f * std::sin(kTwoPi * 0.17f * t + 1.0f); });
    MakeLoop(s, kFade);
    return Done(s);
}

Signal BirdLoop(float seconds) {
    Signal s(static_cast<std::size_t>(Samples(seconds)), 0.0f);
    NoiseSource random(801u);
    float at = 0.3f;
    for (int phrase = 0; phrase < 2; ++phrase) {
        for (int chirp = 0; chirp < 4; ++chirp) {
            const float f = 2800.0f + 500.0f * random.Next();
            const float length = 0.07f + 0.03f * random.Next();
            Signal note = Tone(length, [=](float t) { return f + 1800.0f * t / length; });
            Shape(note, [=](float t) { return std::sin(3.14159265f * t / length); });
            MixInto(s, note, at, 0.8f);
            at += length + 0.05f;
        }
        at += 1.5f;
    }
    s.resize(static_cast<std::size_t>(Samples(seconds)));
    return Done(s);
}

Signal StepsLoop(float seconds) {
    Signal s(static_cast<std::size_t>(Samples(seconds)), 0.0f);
    constexpr int kSteps = 4;
    for (int i = 0; i < kSteps; ++i) {
        Signal rustle = WhiteNoise(0.16f, 901u + static_cast<std::uint32_t>(i));
        BandPass(
            rustle, [i](float) { return 2500.0f + 400.0f * static_cast<float>(i % 2); }, 1.0f);
        Shape(rustle, Pluck(0.005f, 0.04f));
        Signal thump = Thud(0.1f, 90.0f, 950u + static_cast<std::uint32_t>(i));
        MixInto(rustle, thump, 0.0f, 0.4f);
        MixInto(s, rustle, seconds * static_cast<float>(i) / kSteps + 0.02f, 1.0f);
    }
    s.resize(static_cast<std::size_t>(Samples(seconds)));
    return Done(s);
}

Signal Bubbles(float seconds, std::uint32_t seed) {
    Signal s(static_cast<std::size_t>(Samples(seconds)), 0.0f);
    NoiseSource random(seed);
    for (int i = 0; i < 7; ++i) {
        const float f = 400.0f + 250.0f * (random.Next() + 1.0f);
        Signal blip = Tone(0.08f, [f](float t) { return f * (1.0f + 6.0f * t); });
        Shape(blip, Pluck(0.004f, 0.025f));
        MixInto(s, blip, 0.02f + (seconds - 0.12f) * static_cast<float>(i) / 7.0f,
                0.7f + 0.3f * random.Next());
    }
    Tail(s);
    return Done(s);
}

Signal Gong(float seconds) {
    const float kLength = seconds;
    Signal s(static_cast<std::size_t>(Samples(kLength)), 0.0f);
    const float ratios[] = {1.0f, 1.52f, 2.03f, 2.61f, 3.35f};
    for (int i = 0; i < 5; ++i) {
        Signal partial = Tone(
            kLength, [&ratios, i](float t) { return 98.0f * ratios[i] * (1.0f - 0.01f * std::exp(-t)); });
        Shape(partial, Pluck(0.01f, 1.2f / static_cast<float>(i + 1)));
        MixInto(s, partial, 0.0f, 1.0f / static_cast<float>(i + 1));
    }
    MixInto(s, Thud(0.3f, 70.0f, 1001u), 0.0f, 0.5f);
    Tail(s);
    return Done(s);
}

Signal Beep(float seconds, float pitch) {
    Signal s = Tone(
        seconds, [pitch](float) { return pitch; }, 1);
    Shape(s,
          [seconds](float t) { return std::min(1.0f, t * 200.0f) * std::min(1.0f, (seconds - t) * 60.0f); });
    return Done(s);
}

Signal MenuMusic() {
    // D minor pentatonic, 84 beats per minute, 11 bars of four beats.
    constexpr float kBeat = 60.0f / 84.0f;
    constexpr int kBars = 11;
    constexpr float kLoop = kBeat * 4.0f * kBars;
    constexpr float kFade = 1.5f;
    const float scale[] = {146.8f, 174.6f, 196.0f, 220.0f, 261.6f, 293.7f, 349.2f, 392.0f, 440.0f, 523.3f};
    // Scale steps per eighth note, -1 for a rest; repeated with variation bar by bar.
    const int phrase[] = {5, -1, 7, 8, 7, -1, 5, 4,  3, -1, 4, 5,  2, -1, -1, -1,
                          5, -1, 8, 9, 8, 7,  5, -1, 4, 3,  2, -1, 0, -1, -1, -1};
    Signal music(static_cast<std::size_t>(Samples(kLoop + kFade)), 0.0f);
    std::uint32_t seed = 2000u;
    for (int eighth = 0; eighth < kBars * 8; ++eighth) {
        const int step = phrase[eighth % 32];
        if (step < 0) {
            continue;
        }
        const int lift = (eighth / 32) % 2 == 1 && step < 5 ? 1 : 0;
        const float f = scale[std::min(9, step + lift)];
        MixInto(music, PluckedString(f, 1.6f, seed++, 0.997f), static_cast<float>(eighth) * kBeat * 0.5f,
                0.35f);
    }
    // A low drone on D and A that breathes slowly.
    Signal drone = Tone(
        kLoop + kFade, [](float) { return 73.4f; }, 1);
    MixInto(drone,
            Tone(
                kLoop + kFade, [](float) { return 110.0f; }, 1),
            0.0f, 0.6f);
    LowPass(drone, [](float) { return 400.0f; });
    Shape(drone, [](float t) { return 0.6f + 0.4f * std::sin(kTwoPi * t / (kBeat * 8.0f)); });
    MixInto(music, drone, 0.0f, 0.18f);
    // Taiko on the first and third beat of every bar, a lighter hit before each bar.
    for (int beat = 0; beat < kBars * 4; ++beat) {
        if (beat % 4 == 0 || beat % 4 == 2) {
            MixInto(music, Thud(0.6f, 60.0f, 3000u + static_cast<std::uint32_t>(beat)),
                    static_cast<float>(beat) * kBeat, beat % 4 == 0 ? 0.5f : 0.3f);
        }
        if (beat % 4 == 3) {
            MixInto(music, Thud(0.25f, 110.0f, 4000u + static_cast<std::uint32_t>(beat)),
                    (static_cast<float>(beat) + 0.5f) * kBeat, 0.18f);
        }
    }
    music.resize(static_cast<std::size_t>(Samples(kLoop + kFade)));
    MakeLoop(music, kFade);
    Normalize(music, 0.8f);
    return music;
}
