// A textured rectangle in GUI space (pixels from the window centre, x to the right, y up): the drawing unit
// of the menus, the heads-up display and the mouse cursor. Its owner keeps it; the GUI queue only points to
// it.
#pragma once

#include <glm/mat4x4.hpp>

#include "Lumagrid/Handles.h"

struct GUIElement {
    float width = 0.0f;
    float height = 0.0f;
    float x = 0.0f;  // centre
    float y = 0.0f;
    float depth = 0.0f;                // 0 for most elements, 1 for the mouse cursor
    Lumaspace::TextureHandle texture;  // not owned: the texture library keeps it
    float opacity = 1.0f;

    // Scaling by (width, height, 1) followed by the move to (x, y, depth), as GE::RenderGUI takes it: the
    // engine's unit quad spans -0.5..0.5, so the element covers x +- width / 2, y +- height / 2.
    glm::mat4 World() const;

    // Draws the element at once, outside the queue (the cursor is drawn this way after the queue).
    void Render() const;
};
