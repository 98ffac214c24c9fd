// The GL engine on a window of its own, for the benchmarks that draw: SDL video, a width x height window and
// the engine started on it without vsync. On failure it says why on standard error and cleans up.
#pragma once

#include <SDL.h>

#include <cstdio>
#include <string>

#include "Lumagrid/GE.h"

// The running engine and its window, or null (with the reasons printed) when either cannot start.
inline Lumaspace::GE* StartBenchEngine(const char* title, int width, int height, SDL_Window*& window) {
    window = nullptr;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
        return nullptr;
    }
    window = SDL_CreateWindow(title, 0, 0, width, height, SDL_WINDOW_OPENGL);
    Lumaspace::GE* engine = Lumaspace::GE::GetInstance();
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    if (window == nullptr || !engine->Initialize(window, w, h, w, h, false)) {
        std::fprintf(stderr, "engine start-up failed:\n");
        for (const std::string& message : engine->GetDiagnostics().Messages()) {
            std::fprintf(stderr, "  %s\n", message.c_str());
        }
        engine->Shutdown();
        if (window != nullptr) {
            SDL_DestroyWindow(window);
            window = nullptr;
        }
        SDL_Quit();
        return nullptr;
    }
    engine->SetVsync(false);
    return engine;
}
