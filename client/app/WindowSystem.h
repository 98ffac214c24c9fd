// The window the client plays in and the queue of its messages, as the application uses them. The game runs
// on an SDL window (SdlWindowSystem); tests drive the application with a scripted one on the null engine.
#pragma once

#include <string>
#include <vector>

#include "client/app/WindowEvent.h"

namespace Lumaspace {
class GE;
}

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Outer size (with borders and caption) and client size of the window, in pixels.
struct WindowRects {
    int outerWidth = 0;
    int outerHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Starts the platform's video; false (reason in LastError) when there is no display.
    virtual bool Start() = 0;
    // The primary screen's size.
    virtual ScreenSize PrimaryScreen() const = 0;
    // Opens the game window at (x, y) with the given size, covering the screen when fullscreen; false (reason
    // in LastError) when it cannot be made.
    virtual bool Open(int x, int y, int width, int height, bool fullscreen) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Starts the engine on this window; false when it cannot start (the engine's diagnostics say why).
    virtual bool StartEngine(Lumaspace::GE& engine, float windowWidth, float windowHeight, float screenWidth,
                             float screenHeight, bool fullscreen) = 0;
    // Takes one waiting message off the queue and fills events with what it stands for (possibly nothing, or
    // several characters); false when the queue is empty.
    virtual bool PollEvent(std::vector<WindowEvent>& events) = 0;
    // Queues the quit message: the loop ends when it gets there.
    virtual void PostQuit() = 0;
    virtual WindowRects Rects() const = 0;
    virtual void HideSystemCursor() = 0;
    // Tells the player why the client cannot run: standard error, and a message box where a display exists.
    virtual void ShowError(const std::string& message) = 0;
    virtual std::string LastError() const = 0;
    // Closes the window and the platform's video (after the engine has been shut down).
    virtual void Close() = 0;
};
