// Reads the pictures, sounds, font and grass mask back and reports every rule they break: each picture
// decoded to RGBA and held to what the game draws over it, each sound parsed as 16-bit PCM WAV, the font
// loaded with FreeType and asked for every character the text boxes accept, the mask measured.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "check/MediaRules.h"
#include "check/Problems.h"

void CheckPictures(const std::filesystem::path& dataFolder, Problems& problems);
void CheckSounds(const std::filesystem::path& dataFolder, Problems& problems);
void CheckFont(const std::filesystem::path& dataFolder, Problems& problems);
void CheckGrassMask(const std::filesystem::path& dataFolder, Problems& problems);

// Whether the file exists under exactly this spelling (the game runs on case-sensitive file systems).
bool ExistsWithExactCase(const std::filesystem::path& dataFolder, const std::string& relativePath);

// The samples of a 16-bit PCM WAV file, interleaved; false with the reason when the bytes are not one.
struct WavData {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};
bool ParseWav(const std::vector<std::uint8_t>& bytes, WavData& wav, std::string& error);
