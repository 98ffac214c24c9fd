// A window with the engine started on it, for the GL tests. The back buffer and the window have the same
// size, so one GUI unit is one pixel of the read-back picture.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Lumagrid/GE.h"
#include "TestImages.h"

struct SDL_Window;

namespace Lumaspace::test {

constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 240;

// An SDL window made for GL (hidden); flags beyond SDL_WINDOW_OPENGL may be given. Null on failure.
SDL_Window* OpenWindow(unsigned extraFlags = 0, bool openGL = true);
void CloseWindow(SDL_Window* window);

// Where the engine reads its shaders (the run layout's bin folder).
std::string BinDirectory();

class GLEngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The back buffer as it is now.
    ImageRGBA Frame();
    // The frame protocol's GUI steps around the given draws, then Present.
    template <class Draw>
    void GUIFrame(Draw draw) {
        m_engine->Clear();
        m_engine->TurnOnAlphaBlending();
        m_engine->TurnOffDepthStencil();
        m_engine->PrepareRenderGUI();
        draw();
        m_engine->TurnOffAlphaBlending();
        m_engine->TurnOnDepthStencil();
        m_engine->Present();
    }
    std::string Diagnostics() const;

    SDL_Window* m_window = nullptr;
    GE* m_engine = nullptr;
};

// The world matrix of a GUI element: scale by its size, then move to its centre (GUI space, y up).
glm::mat4 ElementWorld(float width, float height, float x, float y, float depth = 0.0f);

// Every channel within tolerance of the expected one.
::testing::AssertionResult Near(const Rgba& actual, const Rgba& expected, int tolerance = 1);

}  // namespace Lumaspace::test
