#include "gl/GLContext.h"

#include <SDL.h>
#include <epoxy/gl.h>

namespace Lumaspace {

bool GLContext::Create(SDL_Window* window, std::string& failure) {
    if (window == nullptr) {
        failure = "No window was given to the engine.";
        return false;
    }
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) == 0) {
        failure = "The window was not created with SDL_WINDOW_OPENGL.";
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr) {
        failure = std::string("OpenGL 3.3 core context: ") + SDL_GetError();
        return false;
    }
    m_window = window;
    m_context = context;
    m_appliedInterval = -1;
    if (SDL_GL_MakeCurrent(window, context) != 0) {
        failure = std::string("OpenGL context could not be made current: ") + SDL_GetError();
        return false;
    }
    if (epoxy_gl_version() < 33) {
        failure = "OpenGL 3.3 is needed; the driver offers " +
                  std::string(reinterpret_cast<const char*>(glGetString(GL_VERSION))) + ".";
        return false;
    }
    m_ready = true;
    return true;
}

void GLContext::Destroy() {
    if (m_context != nullptr) {
        SDL_GL_MakeCurrent(m_window, nullptr);
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(m_context));
    }
    m_context = nullptr;
    m_window = nullptr;
    m_ready = false;
}

std::string GLContext::Version() const {
    const GLubyte* version = m_ready ? glGetString(GL_VERSION) : nullptr;
    return version != nullptr ? "OpenGL " + std::string(reinterpret_cast<const char*>(version))
                              : std::string();
}

void GLContext::DrawableSize(int& width, int& height) const {
    SDL_GL_GetDrawableSize(m_window, &width, &height);
}

void GLContext::ApplySwapInterval(int interval, DiagnosticSink& diagnostics) {
    if (interval == m_appliedInterval) {
        return;
    }
    m_appliedInterval = interval;
    if (SDL_GL_SetSwapInterval(interval) != 0) {
        diagnostics.Compose("Swap interval " + std::to_string(interval) +
                            " not supported: " + SDL_GetError());
    }
}

void GLContext::Swap() {
    SDL_GL_SwapWindow(m_window);
}

bool GLContext::SetFullscreen(bool fullScreen, int width, int height, std::string& failure) {
    if (SDL_SetWindowFullscreen(m_window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        failure = std::string("Full-screen switch refused: ") + SDL_GetError();
        return false;
    }
    if (!fullScreen) {
        // Back to the windowed size at the screen's top left corner, where the window opened.
        SDL_SetWindowSize(m_window, width, height);
        SDL_SetWindowPosition(m_window, 0, 0);
    }
    return true;
}

bool GLContext::IsFullscreen() const {
    return m_window != nullptr && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_FULLSCREEN) != 0;
}

}  // namespace Lumaspace
