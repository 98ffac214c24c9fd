// The software mouse pointer: the system cursor is hidden and a picture is drawn at the mouse position, after
// everything else of the frame.
#pragma once

#include "client/ui/GUIElement.h"

class WindowSystem;

class Cursor {
public:
    static constexpr float kNormalSize = 100.0f;  // menu and lobby
    static constexpr float kMatchSize = 62.5f;
    static constexpr const char* kTexture = "../Ombrin/2DTextures/GUI/cursor.png";

    // Hides the system cursor and makes the 100 x 100 quad at (0, 0), depth 1, with the cursor picture from
    // the texture library.
    bool Initialize(WindowSystem& window);
    // Moves the quad to the mouse (GUI space: origin at the window centre, y up), while visible.
    void Update();
    // Draws the quad when both visible and enabled.
    void Render() const;
    // Width and height of the quad.
    void SetSize(float size);

    const GUIElement& Quad() const { return m_quad; }

    bool visible = true;
    bool enabled = true;
    float normalSize = kNormalSize;
    float matchSize = kMatchSize;

private:
    GUIElement m_quad;
};
