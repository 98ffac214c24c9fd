// The broadcast that asks every client to play one of the numbered sounds at a place.
#pragma once

#include <cstdint>

#include "shared/Float3.h"
#include "shared/SoundNumbers.h"

namespace RakNet {
class RakPeerInterface;
}

// ID_PLAY_SOUND to everybody.
void PlaySound(RakNet::RakPeerInterface* peer, SoundId sound, const Float3& position);
