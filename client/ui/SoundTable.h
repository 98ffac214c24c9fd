// The client's sound table: for each number of shared/SoundNumbers.h its file in the sound folder, whether it
// is heard from a place in the world or flat (relative to the listener), and how it plays. Also the order in
// which the sounds are loaded and the music's file.
#pragma once

#include <array>
#include <cstddef>

#include "shared/DataPaths.h"
#include "shared/SoundNumbers.h"

// The menu music, in the sound folder (kSoundFolder).
inline constexpr const char* kMusicFile = "BG_music2.wav";

enum class SoundPlacement {
    Positioned,  // mono, fading linearly to silence at the effect or ambient range
    Flat,        // relative to the listener: the same loudness wherever it plays
};

enum class SoundPlayback {
    Once,
    Loop,
    Ambient,  // a loop started by AddAmbientSound only
};

struct SoundEntry {
    SoundId id;
    const char* file;
    SoundPlacement placement;
    SoundPlayback playback;
};

inline constexpr std::size_t kSoundCount = kLastSoundNumber - kFirstSoundNumber + 1;

// The entry of number, or null outside the table.
const SoundEntry* FindSound(int number);
// Every entry in the order the sounds are loaded.
const std::array<SoundEntry, kSoundCount>& SoundLoadingOrder();
