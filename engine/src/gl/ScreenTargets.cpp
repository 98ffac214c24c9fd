#include "gl/ScreenTargets.h"

#include <cstddef>
#include <cstring>

#include "gl/GLObjects.h"

namespace Lumaspace {

namespace {

void DeleteTexture(GLuint& texture) {
    if (texture != 0) {
        glDeleteTextures(1, &texture);
    }
    texture = 0;
}

void DeleteFramebuffer(GLuint& framebuffer) {
    if (framebuffer != 0) {
        glDeleteFramebuffers(1, &framebuffer);
    }
    framebuffer = 0;
}

GLuint ColourTarget(GLenum internalFormat, int width, int height) {
    return CreateTargetTexture(internalFormat, width, height, GL_RGBA, GL_UNSIGNED_BYTE);
}

}  // namespace

bool ScreenTargets::CreateBackBuffer(int width, int height, DiagnosticSink& diagnostics) {
    m_width = width;
    m_height = height;
    glGenFramebuffers(1, &m_emptyFramebuffer);
    m_backBuffer = ColourTarget(GL_RGBA8, width, height);
    if (m_backBuffer == 0) {
        diagnostics.Compose("DirectX back buffer failed to be retrieved.");
        return false;
    }
    m_sceneDepth = CreateTargetTexture(GL_DEPTH_COMPONENT32F, width, height, GL_DEPTH_COMPONENT, GL_FLOAT);
    if (m_sceneDepth == 0) {
        diagnostics.Compose("DirectX depth stencil failed to create.");
        return false;
    }
    m_backBufferFramebuffer = CreateFramebuffer({m_backBuffer}, GL_DEPTH_ATTACHMENT, m_sceneDepth);
    m_colourOnly[static_cast<int>(PassTarget::BackBuffer)] = CreateFramebuffer({m_backBuffer}, GL_NONE, 0);
    if (m_backBufferFramebuffer == 0 || m_colourOnly[static_cast<int>(PassTarget::BackBuffer)] == 0) {
        diagnostics.Compose("DirectX render target failed to create.");
        return false;
    }
    return true;
}

bool ScreenTargets::CreateDeferredTargets() {
    m_gBuffer0 = ColourTarget(GL_RGBA8, m_width, m_height);
    m_gBuffer1 = ColourTarget(GL_RGBA8, m_width, m_height);
    m_ssao0 = CreateTargetTexture(GL_R16F, m_width / 2, m_height / 2, GL_RED, GL_FLOAT);
    m_ssao1 = CreateTargetTexture(GL_R16F, m_width / 2, m_height / 2, GL_RED, GL_FLOAT);
    m_forward = ColourTarget(GL_RGBA8, m_width, m_height);
    if (m_gBuffer0 != 0 && m_gBuffer1 != 0) {
        m_gBufferFramebuffer = CreateFramebuffer({m_gBuffer0, m_gBuffer1}, GL_DEPTH_ATTACHMENT, m_sceneDepth);
    }
    if (m_forward != 0) {
        m_forwardFramebuffer = CreateFramebuffer({m_forward}, GL_DEPTH_ATTACHMENT, m_sceneDepth);
    }
    const struct {
        PassTarget target;
        GLuint texture;
    } colourOnly[] = {{PassTarget::Forward, m_forward},
                      {PassTarget::GBuffer1, m_gBuffer1},
                      {PassTarget::AmbientOcclusion0, m_ssao0},
                      {PassTarget::AmbientOcclusion1, m_ssao1}};
    bool made = true;
    for (const auto& target : colourOnly) {
        GLuint& framebuffer = m_colourOnly[static_cast<int>(target.target)];
        framebuffer = target.texture != 0 ? CreateFramebuffer({target.texture}, GL_NONE, 0) : 0;
        made = made && framebuffer != 0;
    }
    return made && m_gBufferFramebuffer != 0 && m_forwardFramebuffer != 0;
}

bool ScreenTargets::CreateOutline(DiagnosticSink& diagnostics) {
    ReleaseOutline();
    m_outlineDepthStencil =
        CreateTargetTexture(GL_DEPTH24_STENCIL8, m_width, m_height, GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8);
    if (m_outlineDepthStencil == 0) {
        diagnostics.Compose("DirectX depth stencil failed to create.");
        return false;
    }
    m_outlineFramebuffer = CreateFramebuffer({}, GL_DEPTH_STENCIL_ATTACHMENT, m_outlineDepthStencil);
    m_backOutlineFramebuffer =
        CreateFramebuffer({m_backBuffer}, GL_DEPTH_STENCIL_ATTACHMENT, m_outlineDepthStencil);
    if (m_outlineFramebuffer == 0 || m_backOutlineFramebuffer == 0) {
        diagnostics.Compose("DirectX depth stencil view failed to create.");
        return false;
    }
    return true;
}

void ScreenTargets::ReleaseOutline() {
    DeleteFramebuffer(m_outlineFramebuffer);
    DeleteFramebuffer(m_backOutlineFramebuffer);
    DeleteTexture(m_outlineDepthStencil);
}

void ScreenTargets::Release() {
    ReleaseOutline();
    for (GLuint* framebuffer :
         {&m_backBufferFramebuffer, &m_gBufferFramebuffer, &m_forwardFramebuffer, &m_emptyFramebuffer}) {
        DeleteFramebuffer(*framebuffer);
    }
    for (GLuint& framebuffer : m_colourOnly) {
        DeleteFramebuffer(framebuffer);
    }
    for (GLuint* texture :
         {&m_backBuffer, &m_sceneDepth, &m_gBuffer0, &m_gBuffer1, &m_ssao0, &m_ssao1, &m_forward}) {
        DeleteTexture(*texture);
    }
}

void ScreenTargets::Bind(GLuint framebuffer) const {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer != 0 ? framebuffer : m_emptyFramebuffer);
}

void ScreenTargets::BindBackBuffer() const {
    Bind(m_backBufferFramebuffer);
}
void ScreenTargets::BindGBuffers() const {
    Bind(m_gBufferFramebuffer);
}
void ScreenTargets::BindForward() const {
    Bind(m_forwardFramebuffer);
}
void ScreenTargets::BindOutlineOnly() const {
    Bind(m_outlineFramebuffer);
}
void ScreenTargets::BindBackBufferWithOutline() const {
    Bind(m_backOutlineFramebuffer);
}
void ScreenTargets::BindColourOnly(PassTarget target) const {
    Bind(m_colourOnly[static_cast<int>(target)]);
}

void ScreenTargets::ClearBackBufferAndForward(const glm::vec4& colour) const {
    ScopedDrawFramebuffer keep;
    if (m_backBufferFramebuffer != 0) {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_backBufferFramebuffer);
        glClearBufferfv(GL_COLOR, 0, &colour[0]);
    }
    if (m_forwardFramebuffer != 0) {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_forwardFramebuffer);
        glClearBufferfv(GL_COLOR, 0, &colour[0]);
    }
}

void ScreenTargets::ClearSceneDepth() const {
    if (m_backBufferFramebuffer == 0) {
        return;
    }
    ScopedDrawFramebuffer keep;
    ScopedDepthWrite allowDepth;
    const GLfloat one = 1.0f;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_backBufferFramebuffer);
    glClearBufferfv(GL_DEPTH, 0, &one);
}

void ScreenTargets::ClearGBuffers(const glm::vec4& colour) const {
    if (m_gBufferFramebuffer == 0) {
        return;
    }
    ScopedDrawFramebuffer keep;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_gBufferFramebuffer);
    glClearBufferfv(GL_COLOR, 0, &colour[0]);
    glClearBufferfv(GL_COLOR, 1, &colour[0]);
}

void ScreenTargets::ClearOutline() const {
    if (m_outlineFramebuffer == 0) {
        return;
    }
    ScopedDrawFramebuffer keep;
    ScopedDepthWrite allowDepth;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_outlineFramebuffer);
    glClearBufferfi(GL_DEPTH_STENCIL, 0, 1.0f, 0);
}

void ScreenTargets::ClearAmbientOcclusion() const {
    ScopedDrawFramebuffer keep;
    const GLfloat open[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    for (PassTarget target : {PassTarget::AmbientOcclusion0, PassTarget::AmbientOcclusion1}) {
        const GLuint framebuffer = m_colourOnly[static_cast<int>(target)];
        if (framebuffer != 0) {
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
            glClearBufferfv(GL_COLOR, 0, open);
        }
    }
}

bool ScreenTargets::ReadBackBuffer(ImageRGBA& image) const {
    if (m_backBufferFramebuffer == 0) {
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(m_width) * 4;
    std::vector<std::uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(m_height));
    GLint previousRead = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_backBufferFramebuffer);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previousRead));
    // GL returns the bottom row first; pictures here start with the top row.
    image.width = m_width;
    image.height = m_height;
    image.pixels.resize(bottomUp.size());
    for (int row = 0; row < m_height; ++row) {
        const std::size_t from = static_cast<std::size_t>(m_height - 1 - row) * rowBytes;
        std::memcpy(image.pixels.data() + static_cast<std::size_t>(row) * rowBytes, bottomUp.data() + from,
                    rowBytes);
    }
    return true;
}

}  // namespace Lumaspace
