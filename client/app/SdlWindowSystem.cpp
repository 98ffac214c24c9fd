#include "client/app/SdlWindowSystem.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "Lumagrid/GE.h"
#include "client/app/SdlEventTranslation.h"

namespace {

// SDL's drivers without a screen to show a message box on.
bool HasDisplay() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

}  // namespace

SdlWindowSystem::~SdlWindowSystem() {
    Close();
}

bool SdlWindowSystem::Start() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        m_lastError = SDL_GetError();
        return false;
    }
    m_started = true;
    return true;
}

ScreenSize SdlWindowSystem::PrimaryScreen() const {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w < 1 || mode.h < 1) {
        return ScreenSize{1280, 1024};
    }
    return ScreenSize{mode.w, mode.h};
}

// No sizing border and no maximise button: the window keeps the size the client chose.
bool SdlWindowSystem::Open(int x, int y, int width, int height, bool fullscreen) {
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN |
                         (fullscreen ? Uint32{SDL_WINDOW_FULLSCREEN_DESKTOP} : Uint32{0});
    m_window = SDL_CreateWindow("", x, y, width, height, flags);
    if (m_window == nullptr) {
        m_lastError = SDL_GetError();
        return false;
    }
    return true;
}

void SdlWindowSystem::SetTitle(const std::string& title) {
    if (m_window != nullptr) {
        SDL_SetWindowTitle(m_window, title.c_str());
    }
}

bool SdlWindowSystem::StartEngine(Lumaspace::GE& engine, float windowWidth, float windowHeight,
                                  float screenWidth, float screenHeight, bool fullscreen) {
    return engine.Initialize(m_window, windowWidth, windowHeight, screenWidth, screenHeight, fullscreen);
}

bool SdlWindowSystem::PollEvent(std::vector<WindowEvent>& events) {
    events.clear();
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) {
        return false;
    }
    TranslateSdlEvent(event, events);
    return true;
}

void SdlWindowSystem::PostQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

// SDL sizes a window by its client area and keeps the borders and caption outside it, so the client area is
// the whole GUI space: the border measures are zero.
WindowRects SdlWindowSystem::Rects() const {
    int width = 0;
    int height = 0;
    if (m_window != nullptr) {
        SDL_GetWindowSize(m_window, &width, &height);
    }
    return WindowRects{width, height, width, height};
}

void SdlWindowSystem::HideSystemCursor() {
    SDL_ShowCursor(SDL_DISABLE);
}

void SdlWindowSystem::ShowError(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    if (HasDisplay() &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Ombrin", message.c_str(), nullptr) != 0) {
        std::fprintf(stderr, "(The message box could not be shown: %s)\n", SDL_GetError());
    }
}

void SdlWindowSystem::Close() {
    if (m_window != nullptr) {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
    }
    if (m_started) {
        SDL_Quit();
        m_started = false;
    }
}
