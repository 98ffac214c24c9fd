#include "gl/RenderTarget.h"

#include "gl/GLObjects.h"

namespace Lumaspace {

bool RenderTarget::Initialize(int width, int height, DiagnosticSink& diagnostics) {
    m_colour = CreateTargetTexture(GL_R32F, width, height, GL_RED, GL_FLOAT);
    if (m_colour == 0) {
        diagnostics.Compose("Failed to create render target texture.");
        return false;
    }
    m_depth = CreateTargetTexture(GL_DEPTH_COMPONENT32F, width, height, GL_DEPTH_COMPONENT, GL_FLOAT);
    if (m_depth == 0) {
        diagnostics.Compose("Failed to create render depth stencil.");
        return false;
    }
    m_framebuffer = CreateFramebuffer({m_colour}, GL_DEPTH_ATTACHMENT, m_depth);
    if (m_framebuffer == 0) {
        diagnostics.Compose("Failed to create render target.");
        return false;
    }
    return true;
}

void RenderTarget::Shutdown() {
    if (m_framebuffer != 0) {
        glDeleteFramebuffers(1, &m_framebuffer);
    }
    for (GLuint* texture : {&m_colour, &m_depth}) {
        if (*texture != 0) {
            glDeleteTextures(1, texture);
        }
    }
    m_framebuffer = m_colour = m_depth = 0;
}

void RenderTarget::BindAndClear() const {
    if (m_framebuffer == 0) {
        return;
    }
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_framebuffer);
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat one = 1.0f;
    ScopedDepthWrite allowDepth;
    glClearBufferfv(GL_COLOR, 0, white);
    glClearBufferfv(GL_DEPTH, 0, &one);
}

}  // namespace Lumaspace
