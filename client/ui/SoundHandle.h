// How callers hold the sounds they start. A handle names one playing sound while the sound system keeps it
// and nothing once the sound is gone (finished, stopped, its owner's ambients stopped, the system shut down):
// a caller that outlives its sound, or keeps a handle after the sound went, reaches nothing. Numbers are
// never reused, so a stale handle cannot name a newer sound.
#pragma once

#include <cstdint>

struct SoundHandle {
    std::uint64_t id = 0;  // 0: no sound

    explicit operator bool() const { return id != 0; }
    friend bool operator==(const SoundHandle&, const SoundHandle&) = default;
};

// Who registered an ambient sound (an object manager, a player): usually the caller's this. Stopping ambients
// stops only the ones of one owner.
using SoundOwner = const void*;

enum class SoundState {
    Gone,  // never started, finished or stopped; the handle names nothing
    Playing,
    Paused,
};
