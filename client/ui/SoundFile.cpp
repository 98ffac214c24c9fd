#include "client/ui/SoundFile.h"

#include <SDL.h>

#include <cstring>

namespace {

// Frees the samples SDL_LoadWAV gave out on every path.
struct LoadedWav {
    Uint8* data = nullptr;
    Uint32 length = 0;
    ~LoadedWav() { SDL_FreeWAV(data); }
};

}  // namespace

bool ReadSoundFile(const std::string& path, int channels, PcmSound& sound, std::string& error) {
    SDL_AudioSpec fileFormat{};
    LoadedWav wav;
    if (SDL_LoadWAV(path.c_str(), &fileFormat, &wav.data, &wav.length) == nullptr) {
        error = "cannot read the sound " + path + ": " + SDL_GetError();
        return false;
    }
    const int sourceChannels = fileFormat.channels;
    const int targetChannels = channels > 0 ? channels : (sourceChannels > 2 ? 2 : sourceChannels);
    SDL_AudioCVT conversion{};
    if (SDL_BuildAudioCVT(&conversion, fileFormat.format, fileFormat.channels, fileFormat.freq, AUDIO_S16SYS,
                          static_cast<Uint8>(targetChannels), fileFormat.freq) < 0) {
        error = "cannot convert the sound " + path + ": " + SDL_GetError();
        return false;
    }
    std::vector<Uint8> bytes(static_cast<std::size_t>(wav.length) *
                             static_cast<std::size_t>(conversion.len_mult));
    if (wav.length > 0) {
        std::memcpy(bytes.data(), wav.data, wav.length);
    }
    conversion.buf = bytes.data();
    conversion.len = static_cast<int>(wav.length);
    if (conversion.needed && SDL_ConvertAudio(&conversion) < 0) {
        error = "cannot convert the sound " + path + ": " + SDL_GetError();
        return false;
    }
    const std::size_t converted =
        conversion.needed ? static_cast<std::size_t>(conversion.len_cvt) : wav.length;
    const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(targetChannels);
    const std::size_t frames = converted / frameBytes;
    if (frames == 0) {
        error = "the sound " + path + " holds no samples";
        return false;
    }
    sound.channels = targetChannels;
    sound.frequency = fileFormat.freq;
    sound.samples.resize(frames * static_cast<std::size_t>(targetChannels));
    std::memcpy(sound.samples.data(), bytes.data(), frames * frameBytes);
    return true;
}
