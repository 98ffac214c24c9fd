// Sound folders for the sound tests: every file of the sound table and the music as a steady tone, so that
// what the mix measures is the gains and not the recordings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace ombrin::test {

// A steady 440 Hz sine tone's peak (full scale 1), and its root mean square.
inline constexpr float kTonePeak = 0.5f;
inline constexpr float kToneLoudness = 0.35355339f;

// Lengths of the tones: one-shots are short, loops and the music long enough to show where they wrap.
inline constexpr double kOnceSeconds = 0.5;
inline constexpr double kLoopSeconds = 1.0;
inline constexpr double kMusicSeconds = 2.0;

// A 16-bit PCM WAV file of seconds of tone at 22050 Hz with channels channels; false when it cannot be
// written.
bool WriteToneWav(const std::filesystem::path& path, int channels, double seconds, int bitsPerSample = 16);

// Writes every sound of the table (positioned sounds mono, flat ones stereo) and the music into folder.
bool WriteSoundFolder(const std::filesystem::path& folder);

}  // namespace ombrin::test
