// The loop's quit message: a state that ends the program (the main menu's quit, Escape at its root page)
// posts it, and the loop ends when it reaches the message, as when the window is closed.
#pragma once

class WindowSystem;

void PostQuitMessage();
// The window whose queue receives the message; set by the application while it runs, null otherwise (then
// posting does nothing).
void SetQuitMessageTarget(WindowSystem* window);
