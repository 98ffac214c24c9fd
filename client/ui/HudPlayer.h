// One player as the heads-up display's boards see it: the match state copies these from its player records
// every frame, so the boards depend on nothing but these values.
#pragma once

#include <cstdint>
#include <string>

struct HudPlayer {
    std::uint64_t id = 0;  // the player's guid
    std::string name;
    int team = 0;       // 1 red, 2 blue, anything else none
    int character = 0;  // 0..2; anything else shows a placeholder picture
    int kills = 0;
    int deaths = 0;
    bool alive = false;
};
