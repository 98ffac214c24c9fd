// The game window on SDL2: video start-up, an OpenGL window, its event queue (one SDL event per loop pass),
// the system cursor and the error box.
#pragma once

#include <string>
#include <vector>

#include "client/app/WindowSystem.h"

struct SDL_Window;

class SdlWindowSystem final : public WindowSystem {
public:
    SdlWindowSystem() = default;
    ~SdlWindowSystem() override;
    SdlWindowSystem(const SdlWindowSystem&) = delete;
    SdlWindowSystem& operator=(const SdlWindowSystem&) = delete;

    bool Start() override;
    ScreenSize PrimaryScreen() const override;
    bool Open(int x, int y, int width, int height, bool fullscreen) override;
    void SetTitle(const std::string& title) override;
    bool StartEngine(Lumaspace::GE& engine, float windowWidth, float windowHeight, float screenWidth,
                     float screenHeight, bool fullscreen) override;
    bool PollEvent(std::vector<WindowEvent>& events) override;
    void PostQuit() override;
    WindowRects Rects() const override;
    void HideSystemCursor() override;
    void ShowError(const std::string& message) override;
    std::string LastError() const override { return m_lastError; }
    void Close() override;

private:
    bool m_started = false;
    SDL_Window* m_window = nullptr;
    std::string m_lastError;
};
