// The sound effects' recipes: each returns a mono signal, peak-normalised.
#pragma once

#include <cstdint>

#include "sounds/Synth.h"

// Filtered noise sweeping from f0 to f1 Hz: throws, swings, dashes.
Signal Whoosh(float seconds, float f0, float f1, std::uint32_t seed, float q = 2.0f);
// Inharmonic metal partials over a short noise click: blade and steel hits.
Signal Clang(float seconds, float pitch, std::uint32_t seed);
// A low body impact: a falling sine with a noise thump.
Signal Thud(float seconds, float pitch, std::uint32_t seed);
// A whip crack: a fast sweep ending in a sharp snap.
Signal Crack(float seconds, std::uint32_t seed);
// A voice-like cry: a buzzing tone through two moving formants; male or female range.
Signal Cry(float seconds, bool female, bool dying, std::uint32_t seed);
// A bell-like chime of the given fundamental and partial ratios, rising or falling arpeggio of notes.
Signal Chime(float seconds, const float* notes, int noteCount, float spacing);
// A looping hum of the given root with slow beating; loops without a click.
Signal Hum(float seconds, float root, float shimmer);
// A crackling fire loop.
Signal FireLoop(float seconds);
// A wind loop.
Signal WindLoop(float seconds);
// A bird's chirping phrase with silence, as a loop.
Signal BirdLoop(float seconds);
// Footsteps on leaves at a running pace, as a loop.
Signal StepsLoop(float seconds);
// Bubbling goo.
Signal Bubbles(float seconds, std::uint32_t seed);
// A deep gong.
Signal Gong(float seconds);
// A short beep.
Signal Beep(float seconds, float pitch);
// The menu music: a pentatonic koto melody over a drone and taiko drums, loops seamlessly.
Signal MenuMusic();
