#include "gl/GraphicsDevice.h"

#include "gl/GLObjects.h"

namespace Lumaspace {

bool GraphicsDevice::Initialize(SDL_Window* window, int screenWidth, int screenHeight, bool fullScreen) {
    std::string failure;
    if (!m_context.Create(window, failure)) {
        m_diagnostics.Compose("DirectX swap chain and device failed to create.");
        m_diagnostics.Compose(failure);
        return false;
    }
    if (fullScreen && !m_context.IsFullscreen() &&
        !m_context.SetFullscreen(true, screenWidth, screenHeight, failure)) {
        m_diagnostics.Compose(failure);
    }
    // Core profile draws need a vertex array object; one serves every pipeline.
    glGenVertexArrays(1, &m_vertexArray);
    glBindVertexArray(m_vertexArray);

    if (!m_targets.CreateBackBuffer(screenWidth, screenHeight, m_diagnostics)) {
        return false;
    }
    m_targets.BindBackBuffer();
    glViewport(0, 0, screenWidth, screenHeight);
    glDepthRange(0.0, 1.0);
    if (!m_targets.CreateDeferredTargets()) {
        // Start-up goes on (the menu still draws through the back buffer), but say what is missing.
        m_diagnostics.Compose("Failed to create the G-buffer, ambient-occlusion or forward targets.");
    }
    Clear();
    ApplyBlendState(BlendState::AlphaOff);
    ApplyDepthStencilState(DepthStencilState::Enabled);
    ApplyRasterizerState(true);
    InitializeOutling();
    DrainGLErrors();
    return true;
}

void GraphicsDevice::Shutdown() {
    if (!m_context.Ready()) {
        m_context.Destroy();
        return;
    }
    if (m_context.IsFullscreen()) {
        std::string failure;
        int width = 0;
        int height = 0;
        m_context.DrawableSize(width, height);
        m_context.SetFullscreen(false, width, height, failure);
    }
    m_targets.Release();
    if (m_vertexArray != 0) {
        glDeleteVertexArrays(1, &m_vertexArray);
        m_vertexArray = 0;
    }
    glFinish();
    m_context.Destroy();
}

bool GraphicsDevice::ToggleFullscreen(bool fullScreen, int width, int height) {
    std::string failure;
    if (!m_context.SetFullscreen(fullScreen, width, height, failure)) {
        m_diagnostics.Compose(failure);
        return false;
    }
    return true;
}

void GraphicsDevice::Clear() {
    m_targets.ClearBackBufferAndForward(m_clearColour);
    m_targets.ClearSceneDepth();
}

void GraphicsDevice::Present() {
    int width = 0;
    int height = 0;
    m_context.DrawableSize(width, height);
    {
        ScopedDrawFramebuffer keep;
        glBindFramebuffer(GL_READ_FRAMEBUFFER, m_targets.BackBufferFramebuffer());
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        const bool sameSize = width == m_targets.Width() && height == m_targets.Height();
        glBlitFramebuffer(0, 0, m_targets.Width(), m_targets.Height(), 0, 0, width, height,
                          GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
    }
    m_context.ApplySwapInterval(m_syncInterval, m_diagnostics);
    m_context.Swap();
}

bool GraphicsDevice::InitializeOutling() {
    return m_targets.CreateOutline(m_diagnostics);
}

void GraphicsDevice::ClearOutlining() {
    m_targets.ClearOutline();
}

void GraphicsDevice::SetOutliningPassOne() {
    m_targets.BindOutlineOnly();
    ApplyDepthStencilState(DepthStencilState::OutlinePassOne);
}

void GraphicsDevice::SetOutliningPassTwo() {
    m_targets.BindBackBufferWithOutline();
    ApplyDepthStencilState(DepthStencilState::OutlinePassTwo);
}

void GraphicsDevice::UnbindTextureUnits(std::initializer_list<int> units) {
    for (int unit : units) {
        glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    glActiveTexture(GL_TEXTURE0);
}

void GraphicsDevice::Unbind() {
    UnbindTextureUnits({3, 4, 5, 6});
}

void GraphicsDevice::ResetRenderTarget() {
    Unbind();
    m_targets.BindBackBuffer();
}

void GraphicsDevice::ClearRenderTargetsForGBuffers() {
    m_targets.ClearGBuffers(m_clearColour);
}

void GraphicsDevice::SetRenderTargetsForGBuffers() {
    Unbind();
    m_targets.BindGBuffers();
}

void GraphicsDevice::SetForwardRenderTarget() {
    Unbind();
    m_targets.BindForward();
}

}  // namespace Lumaspace
