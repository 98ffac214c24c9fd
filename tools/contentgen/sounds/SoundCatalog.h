// Every sound the game opens from "../Ombrin/Sound/", with its channel count and the function that
// synthesises it. Positioned sounds are mono; the music, the wind and the countdown are stereo.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sounds/Synth.h"

struct SoundEntry {
    std::string file;  // "KunaiThrow.wav"
    int channels = 1;
    std::function<Signal()> build;
};

const std::vector<SoundEntry>& SoundCatalog();
