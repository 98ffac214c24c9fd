// The device: the GL context on the client's window, the screen targets, the bound states, the clear colour
// and the swap interval. It implements start-up up to the pipelines, clearing, presenting, full-screen
// switching and the state and render-target switches of the frame protocol.
#pragma once

#include <initializer_list>
#include <string>

#include <glm/vec4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "Lumagrid/ImageRGBA.h"
#include "gl/GLContext.h"
#include "gl/RenderStates.h"
#include "gl/ScreenTargets.h"

namespace Lumaspace {

class GraphicsDevice {
public:
    explicit GraphicsDevice(DiagnosticSink& diagnostics) : m_diagnostics(diagnostics) {}

    bool Initialize(SDL_Window* window, int screenWidth, int screenHeight, bool fullScreen);
    void Shutdown();
    bool Ready() const { return m_context.Ready(); }
    std::string Version() const { return m_context.Version(); }

    void SetVsync(bool vsync) { m_syncInterval = vsync ? 1 : 0; }
    void SetClearColor(const glm::vec4& colour) { m_clearColour = colour; }
    const glm::vec4& ClearColour() const { return m_clearColour; }
    bool ToggleFullscreen(bool fullScreen, int width, int height);
    void Clear();
    void Present();

    void BindBlendState(BlendState state) { ApplyBlendState(state); }
    void BindDepthStencilState(DepthStencilState state) { ApplyDepthStencilState(state); }
    void BindRasterizerState(bool cullBackFaces) { ApplyRasterizerState(cullBackFaces); }
    bool InitializeOutling();
    void ClearOutlining();
    void SetOutliningPassOne();
    void SetOutliningPassTwo();

    void ResetRenderTarget();
    void ClearRenderTargetsForGBuffers();
    void SetRenderTargetsForGBuffers();
    void SetForwardRenderTarget();
    // Sets the given texture units to no texture (a target must not be sampled while it is drawn into).
    static void UnbindTextureUnits(std::initializer_list<int> units);

    const ScreenTargets& Targets() const { return m_targets; }
    bool ReadBackBuffer(ImageRGBA& image) const { return m_targets.ReadBackBuffer(image); }

private:
    // Texture units 3 to 6 to nothing, then the new binding.
    void Unbind();

    DiagnosticSink& m_diagnostics;
    GLContext m_context;
    ScreenTargets m_targets;
    GLuint m_vertexArray = 0;
    glm::vec4 m_clearColour{0.0f};
    int m_syncInterval = 0;
};

}  // namespace Lumaspace
