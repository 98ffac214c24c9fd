#include "client/ui/tests/SoundTestFiles.h"

#include <cmath>
#include <numbers>
#include <string>

#include "client/ui/SoundTable.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {

namespace {

constexpr int kRate = 22050;
constexpr double kToneFrequency = 440.0;

void PutNumber(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

}  // namespace

bool WriteToneWav(const std::filesystem::path& path, int channels, double seconds, int bitsPerSample) {
    const auto frames = static_cast<std::uint32_t>(std::lround(seconds * kRate));
    const std::uint32_t bytesPerSample = static_cast<std::uint32_t>(bitsPerSample) / 8;
    const std::uint32_t dataBytes = frames * static_cast<std::uint32_t>(channels) * bytesPerSample;
    std::string out = "RIFF";
    PutNumber(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutNumber(out, 16, 4);
    PutNumber(out, 1, 2);  // PCM
    PutNumber(out, static_cast<std::uint32_t>(channels), 2);
    PutNumber(out, kRate, 4);
    PutNumber(out, kRate * static_cast<std::uint32_t>(channels) * bytesPerSample, 4);
    PutNumber(out, static_cast<std::uint32_t>(channels) * bytesPerSample, 2);
    PutNumber(out, static_cast<std::uint32_t>(bitsPerSample), 2);
    out += "data";
    PutNumber(out, dataBytes, 4);
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        const double value = kTonePeak * std::sin(2.0 * std::numbers::pi * kToneFrequency * frame / kRate);
        for (int channel = 0; channel < channels; ++channel) {
            if (bitsPerSample == 8) {
                PutNumber(out, static_cast<std::uint32_t>(std::lround(128.0 + 127.0 * value)), 1);
            } else {
                PutNumber(out,
                          static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(32767.0 * value))),
                          2);
            }
        }
    }
    return WriteFile(path, out);
}

bool WriteSoundFolder(const std::filesystem::path& folder) {
    for (const SoundEntry& entry : SoundLoadingOrder()) {
        const int channels = entry.placement == SoundPlacement::Positioned ? 1 : 2;
        const double seconds = entry.playback == SoundPlayback::Once ? kOnceSeconds : kLoopSeconds;
        if (!WriteToneWav(folder / entry.file, channels, seconds)) {
            return false;
        }
    }
    return WriteToneWav(folder / kMusicFile, 2, kMusicSeconds);
}

}  // namespace ombrin::test
