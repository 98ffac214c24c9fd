// What the local player reads of the keyboard and the mouse in one frame, filled by the playing state from
// its input record: each key and button held or let go this frame, the point of the ground under the mouse,
// and the two smart-cast settings. The world never reads the input record itself.
#pragma once

#include "shared/LevelRecords.h"

// One key or mouse button: held down, or let go in this frame (never both).
struct KeyInput {
    bool down = false;
    bool released = false;
};

struct PlayerInput {
    // Walking: W forwards (+z), S backwards, A left (-x), D right (+x).
    KeyInput w;
    KeyInput a;
    KeyInput s;
    KeyInput d;
    // The Q and E specials and the tool (R).
    KeyInput q;
    KeyInput e;
    KeyInput r;
    // Inverts or flips the smart-cast mode.
    KeyInput space;
    // Melee (left) and ranged (right).
    KeyInput leftButton;
    KeyInput rightButton;
    // The ground point under the mouse.
    GroundPoint mouseGround;
    // The settings: smart casting on, and whether Space flips it (toggle) or inverts it while held.
    bool smartCast = false;
    bool smartCastToggle = false;
};
