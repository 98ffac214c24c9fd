// The sounds the server asks every client to play, by their number in the clients' sound table, and the
// broadcast that plays one at a place.
#pragma once

#include <cstdint>

#include "shared/Float3.h"

namespace RakNet {
class RakPeerInterface;
}

enum class Sound : std::int32_t {
    KunaiThrow = 1,
    KunaiHitObjects = 2,
    AirCut = 4,  // a sword or fan swing
    Whip = 5,
    WhipRotate = 6,
    DashWoosh = 9,
    Throw = 10,  // shurikens, fans, smoke bombs, caltrops, sticky traps
    ShurikenHitObjects = 12,
    MegaShurikenHitObjects = 14,
    SmokeBomb = 15,
    Naginata = 16,
    NaginataSlash = 17,  // the stab
    VolleyThrow = 19,
    Bubble = 21,  // a sticky trap
    DeathMale = 26,
    DeathFemale = 27,
    MaleHurt = 28,
    FemaleHurt = 29,
    RuneShieldPickup = 34,
    RuneHealPickup = 37,
    RuneInvisibilityPickup = 40,
};

// ID_PLAY_SOUND to everybody.
void PlaySound(RakNet::RakPeerInterface* peer, Sound sound, const Float3& position);
