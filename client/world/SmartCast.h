// The local player's smart-cast mode. With the mode on an ability goes off while its key or button is held;
// with it off it goes off when the key is let go, and its aim marker shows while the key is held.
//
// The mode follows two settings and Space: without the toggle setting it is the smart-cast setting, inverted
// while Space is held; with the toggle it starts as the smart-cast setting and each release of Space flips
// it.
#pragma once

#include "client/world/PlayerInput.h"

class SmartCast {
public:
    // One frame of input.
    void Update(const PlayerInput& input);
    bool IsOn() const { return m_on; }
    // Whether the key fires its ability this frame in the current mode.
    bool Fires(const KeyInput& key) const { return m_on ? key.down : key.released; }
    // Whether the key's aim marker shows this frame in the current mode.
    bool ShowsMarker(const KeyInput& key) const { return !m_on && key.down; }

private:
    bool m_on = false;
    bool m_started = false;
};
