#include "client/ui/SoundFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::uint16_t kPcmFormat = 1;

std::uint16_t Read16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

bool TagAt(const std::vector<std::uint8_t>& bytes, std::size_t at, const char* tag) {
    return at + 4 <= bytes.size() && std::memcmp(&bytes[at], tag, 4) == 0;
}

// One sample of a frame as a signed 16-bit value.
int Sample(const std::uint8_t* frame, int channel, int bits) {
    if (bits == 8) {
        return (static_cast<int>(frame[channel]) - 128) * 256;
    }
    const std::uint8_t* at = frame + 2 * channel;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
}

// The average of the channels first, first + step, ... of a frame.
std::int16_t Mix(const std::uint8_t* frame, int first, int step, int channels, int bits) {
    int sum = 0;
    int count = 0;
    for (int channel = first; channel < channels; channel += step) {
        sum += Sample(frame, channel, bits);
        ++count;
    }
    return static_cast<std::int16_t>(count > 0 ? sum / count : 0);
}

}  // namespace

// A RIFF WAVE file of 8-bit or 16-bit PCM: the "fmt " chunk gives the layout, the "data" chunk the samples.
// Chunk sizes are never trusted beyond the bytes the file holds.
bool ReadSoundFile(const std::string& path, int channels, PcmSound& sound, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read the sound " + path + ": the file does not open";
        return false;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    if (!TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) {
        error = "cannot read the sound " + path + ": not a RIFF WAVE file";
        return false;
    }
    int fileChannels = 0;
    int frequency = 0;
    int bits = 0;
    bool pcm = false;
    std::size_t dataAt = 0;
    std::size_t dataSize = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::size_t body = at + 8;
        const std::size_t size = std::min<std::size_t>(Read32(bytes, at + 4), bytes.size() - body);
        if (TagAt(bytes, at, "fmt ") && size >= 16) {
            pcm = Read16(bytes, body) == kPcmFormat;
            fileChannels = Read16(bytes, body + 2);
            frequency = static_cast<int>(std::min<std::uint32_t>(Read32(bytes, body + 4), 1000000));
            bits = Read16(bytes, body + 14);
        } else if (TagAt(bytes, at, "data")) {
            dataAt = body;
            dataSize = size;
        }
        at = body + size + (size & 1);
    }
    if (!pcm || fileChannels < 1 || frequency < 1 || (bits != 8 && bits != 16)) {
        error = "cannot read the sound " + path + ": not 8-bit or 16-bit PCM";
        return false;
    }
    const std::size_t frameBytes =
        static_cast<std::size_t>(fileChannels) * static_cast<std::size_t>(bits / 8);
    const std::size_t frames = dataSize / frameBytes;
    if (frames == 0) {
        error = "the sound " + path + " holds no samples";
        return false;
    }
    const int targetChannels = channels > 0 ? channels : std::min(fileChannels, 2);
    sound.channels = targetChannels;
    sound.frequency = frequency;
    sound.samples.clear();
    sound.samples.reserve(frames * static_cast<std::size_t>(targetChannels));
    for (std::size_t i = 0; i < frames; ++i) {
        const std::uint8_t* frame = &bytes[dataAt + i * frameBytes];
        if (targetChannels == 1) {
            sound.samples.push_back(Mix(frame, 0, 1, fileChannels, bits));
        } else if (fileChannels == 1) {
            const std::int16_t sample = Mix(frame, 0, 1, 1, bits);
            sound.samples.insert(sound.samples.end(), {sample, sample});
        } else {
            // Even channels to the left, odd ones to the right.
            sound.samples.push_back(Mix(frame, 0, 2, fileChannels, bits));
            sound.samples.push_back(Mix(frame, 1, 2, fileChannels, bits));
        }
    }
    return true;
}
