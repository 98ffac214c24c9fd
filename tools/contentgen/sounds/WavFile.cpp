#include "sounds/WavFile.h"

#include <algorithm>
#include <cmath>

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
    }
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(const Signal& signal, int channels) {
    channels = channels == 2 ? 2 : 1;
    constexpr std::size_t kStereoDelay = 7;
    const std::uint32_t dataBytes =
        static_cast<std::uint32_t>(signal.size() * 2 * static_cast<std::size_t>(channels));
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, static_cast<std::uint32_t>(channels), 2);
    Put(out, kSampleRate, 4);
    Put(out, static_cast<std::uint32_t>(kSampleRate * 2 * channels), 4);
    Put(out, static_cast<std::uint32_t>(2 * channels), 2);
    Put(out, 16, 2);
    PutTag(out, "data");
    Put(out, dataBytes, 4);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        for (int c = 0; c < channels; ++c) {
            // The delayed channel wraps around so a loop stays seamless.
            const std::size_t at =
                c == 0 ? i : (i + signal.size() - kStereoDelay % signal.size()) % signal.size();
            const float s = std::clamp(signal[at], -1.0f, 1.0f);
            const auto value = static_cast<std::int16_t>(std::lround(s * 32767.0f));
            Put(out, static_cast<std::uint16_t>(value), 2);
        }
    }
    return out;
}
