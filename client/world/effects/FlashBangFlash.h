// The white screen of a flash bang that blinded the local player: a full-window picture whose opacity rises
// quickly to full, holds there a moment and then fades slowly. A second blinding while the screen is still
// white rises again from the opacity it has.
#pragma once

#include "client/ui/GUIElement.h"

class FlashBangFlash {
public:
    static constexpr const char* kTexture = "../Ombrin/2DTextures/Particles/Flash.png";
    static constexpr float kRiseRate = 7.5f;  // opacity per second
    static constexpr float kHoldSeconds = 0.7f;
    static constexpr float kFallRate = 0.4f;  // opacity per second

    // Starts (or restarts) the rise from the present opacity.
    void Blind();
    // One frame of dt seconds along the curve.
    void Update(float dt);
    // Back to clear at once (a round start, a new match).
    void Clear();

    // Queues the picture, sized to the window, on the GUI queue while it shows.
    void Render(float windowWidth, float windowHeight);

    // Any part of the curve is running: the minimap stays hidden meanwhile.
    bool IsBlinding() const { return m_phase != Phase::Off; }
    float Opacity() const { return m_opacity; }
    const GUIElement& Element() const { return m_element; }

private:
    enum class Phase { Off, Rising, Holding, Falling };

    Phase m_phase = Phase::Off;
    float m_opacity = 0.0f;
    float m_held = 0.0f;
    GUIElement m_element;
};
