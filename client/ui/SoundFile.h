// Reading a sound file of the data folder: a RIFF WAVE file of 8-bit or 16-bit PCM, converted to signed
// 16-bit samples at the file's own rate with the channel count the caller asks for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct PcmSound {
    int channels = 0;
    int frequency = 0;
    std::vector<std::int16_t> samples;  // interleaved

    std::size_t Frames() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
};

// Reads path into sound. channels is 1 (mixed down to mono), 2 (stereo), or 0 (the file's own count, mixed
// down to stereo beyond two). False, with the loader's message and the file in error, when the file cannot be
// read or holds no sound.
bool ReadSoundFile(const std::string& path, int channels, PcmSound& sound, std::string& error);
