// A description shown over a dark frame while the mouse rests on an icon: the frame is a third of the window
// wide and a little under a sixth high, centred at (0, -330), with the text on it.
#pragma once

#include <string>

#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

class Tooltip {
public:
    static constexpr const char* kFrameTexture = "../Ombrin/2DTextures/GUI/bgTint.png";
    static constexpr float kY = -330.0f;
    static constexpr float kTextSize = 50.0f;

    void Initialize(const std::string& text, float windowWidth, float windowHeight);
    void Render() const;
    void Shutdown();

    const MenuItem& Frame() const { return m_frame; }
    const TextObject& Text() const { return m_text; }

private:
    MenuItem m_frame;
    TextObject m_text;
};
