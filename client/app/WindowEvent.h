// One window message as the loop and the input record see it, already translated from the platform's events:
// keys carry Windows virtual-key numbers (VirtualKeys.h), characters their Unicode code point, and mouse
// positions client-area pixels (negative to the left of or above the client area).
#pragma once

struct WindowEvent {
    enum class Type {
        Quit,  // the loop ends (window closed, or a quit was posted)
        KeyDown,
        KeyUp,
        Character,
        MouseMove,
        LeftButtonDown,
        LeftButtonUp,
        RightButtonDown,
        RightButtonUp,
        Other,  // anything the client does not act on
    };

    Type type = Type::Other;
    int code = 0;  // the virtual key of KeyDown and KeyUp, the character of Character
    int x = 0;     // the position of MouseMove
    int y = 0;
};
