// Encodes samples as a RIFF WAVE file of 16-bit PCM.
#pragma once

#include <cstdint>
#include <vector>

#include "sounds/Synth.h"

// A mono signal, or a stereo one made from it with the right channel delayed by a few samples when
// channels is 2. Samples are clipped to [-1, 1].
std::vector<std::uint8_t> EncodeWav(const Signal& signal, int channels);
