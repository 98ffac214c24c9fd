// The menu widgets' view of this frame's input: the mouse converted to GUI space the same way the cursor is
// placed, a click when the left button was let go, and the character typed.
#pragma once

#include "client/ui/WidgetInput.h"

WidgetInput ReadWidgetInput(double deltaTime);
