// The numbered sounds of the game. The server names a sound only by its number (ID_PLAY_SOUND), and the
// client plays the sound of that number from its sound table, so both programs take the numbers from here.
#pragma once

#include <cstdint>

enum class SoundId : std::int32_t {
    KunaiThrow = 1,
    KunaiHitObjects = 2,
    KunaiHit = 3,
    AirCut = 4,
    Whip = 5,
    WhipRotate = 6,
    WhipHit = 7,
    KatanaHit = 8,
    DashWoosh = 9,
    ShurikenThrow = 10,
    ShurikenHit = 11,
    ShurikenHitObjects = 12,
    MegaShurikenHit = 13,
    MegaShurikenHitObjects = 14,
    SmokeBomb = 15,
    Naginata = 16,
    NaginataSlash = 17,
    NaginataHit = 18,
    VolleyThrow = 19,
    VolleyHit = 20,
    Bubble = 21,
    Fire = 22,
    Wind = 23,
    Bird = 24,
    StepsOnLeaves = 25,
    DeathMale = 26,
    DeathFemale = 27,
    MaleHurt = 28,
    FemaleHurt = 29,
    CountdownBeep = 30,
    CountdownGong = 31,
    RuneShield = 32,
    RuneShieldSpawn = 33,
    RuneShieldPickup = 34,
    RuneHeal = 35,
    RuneHealSpawn = 36,
    RuneHealPickup = 37,
    RuneInvisibility = 38,
    RuneInvisibilitySpawn = 39,
    RuneInvisibilityPickup = 40,
};

inline constexpr std::int32_t kFirstSoundNumber = 1;
inline constexpr std::int32_t kLastSoundNumber = 40;

// The number on the wire.
constexpr std::int32_t SoundNumber(SoundId sound) {
    return static_cast<std::int32_t>(sound);
}
