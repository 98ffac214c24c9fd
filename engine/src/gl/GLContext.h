// The OpenGL 3.3 core context on the client's SDL window: creation, swapping, the swap interval and
// full-screen switching.
#pragma once

#include <string>

#include "Lumagrid/Diagnostics.h"

struct SDL_Window;

namespace Lumaspace {

class GLContext {
public:
    // Creates the context and makes it current; on failure says why in failure.
    bool Create(SDL_Window* window, std::string& failure);
    void Destroy();

    // A context exists, is current and offers OpenGL 3.3.
    bool Ready() const { return m_ready; }
    SDL_Window* Window() const { return m_window; }
    std::string Version() const;
    // The window's drawable size in pixels (the blit destination of Present).
    void DrawableSize(int& width, int& height) const;
    // Applies a swap interval if it differs from the one applied last.
    void ApplySwapInterval(int interval, DiagnosticSink& diagnostics);
    void Swap();
    // False (and nothing changed) when the window system refuses.
    bool SetFullscreen(bool fullScreen, int width, int height, std::string& failure);
    bool IsFullscreen() const;

private:
    SDL_Window* m_window = nullptr;
    void* m_context = nullptr;
    int m_appliedInterval = -1;
    bool m_ready = false;
};

}  // namespace Lumaspace
