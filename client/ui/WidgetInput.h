// What the menu widgets read in one frame: the mouse in GUI space, whether the left button was clicked, the
// characters typed and the frame time. The client fills it from its input record once per frame, so the
// widgets depend on nothing but these values.
#pragma once

#include <vector>

struct WidgetInput {
    // The mouse in GUI space: pixels from the window centre, x to the right, y up.
    float mouseX = 0.0f;
    float mouseY = 0.0f;
    // The left button was let go this frame. A click counts once, however long the button was held, so a
    // widget that replaces the page under the mouse does not also press what appears there.
    bool click = false;
    // The code points of the characters typed this frame, in order (8 backspace, 13 return).
    std::vector<int> typedCharacters;
    double deltaTime = 0.0;  // seconds
};
