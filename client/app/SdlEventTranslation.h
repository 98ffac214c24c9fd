// Turns SDL's events into the client's window messages: SDL key codes into Windows virtual-key numbers, typed
// text into one character message per code point, mouse motion and buttons, and the quit event.
#pragma once

#include <SDL_events.h>

#include <vector>

#include "client/app/WindowEvent.h"

// The virtual key of an SDL key code; 0 for keys the client has no number for. SDL's key codes follow the
// keyboard layout, so the key that types 'w' gives 'W' on every layout.
int VirtualKeyFromSdl(SDL_Keycode key);

// Appends the messages one SDL event stands for to out (none for events the client ignores). A key press
// that types Backspace or Return also yields its character (8, 13), as typing does on Windows; SDL reports
// other typed characters as text.
void TranslateSdlEvent(const SDL_Event& event, std::vector<WindowEvent>& out);
