// The screen-sized targets: the back buffer (RGBA8, what Present shows and tests read back), the scene depth
// (32-bit float, sampled later), the outline depth-stencil (24/8), the two G-buffers (RGBA8), the two
// half-size ambient-occlusion targets (R16F) and the forward target (RGBA8), with one framebuffer for each
// pairing the frame protocol binds, and a colour-only framebuffer for each target the screen-space passes
// draw into while they sample the depth.
#pragma once

#include <epoxy/gl.h>

#include <glm/vec4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "Lumagrid/ImageRGBA.h"

namespace Lumaspace {

// The targets the screen-space passes bind alone, without depth.
enum class PassTarget { BackBuffer, Forward, GBuffer1, AmbientOcclusion0, AmbientOcclusion1 };

class ScreenTargets {
public:
    // The back buffer and the scene depth; false (with the message) on the first failure.
    bool CreateBackBuffer(int width, int height, DiagnosticSink& diagnostics);
    // G-buffers, ambient-occlusion targets and the forward target; false when any could not be made.
    bool CreateDeferredTargets();
    // (Re)creates the outline depth-stencil buffer and its two framebuffers.
    bool CreateOutline(DiagnosticSink& diagnostics);
    void Release();

    // Bindings. A pairing whose targets could not be made binds an empty framebuffer, so draws go nowhere.
    void BindBackBuffer() const;
    void BindGBuffers() const;
    void BindForward() const;
    void BindOutlineOnly() const;
    void BindBackBufferWithOutline() const;
    void BindColourOnly(PassTarget target) const;

    // Clears leave the current binding as it was.
    void ClearBackBufferAndForward(const glm::vec4& colour) const;
    void ClearSceneDepth() const;
    void ClearGBuffers(const glm::vec4& colour) const;
    void ClearOutline() const;
    // Both ambient-occlusion targets to 1 (nothing occluded).
    void ClearAmbientOcclusion() const;

    GLuint BackBufferFramebuffer() const { return m_backBufferFramebuffer; }
    GLuint GBufferTexture(int index) const { return index == 0 ? m_gBuffer0 : m_gBuffer1; }
    GLuint SceneDepthTexture() const { return m_sceneDepth; }
    GLuint ForwardTexture() const { return m_forward; }
    GLuint AmbientOcclusionTexture(int index) const { return index == 0 ? m_ssao0 : m_ssao1; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool ReadBackBuffer(ImageRGBA& image) const;

private:
    void Bind(GLuint framebuffer) const;
    void ReleaseOutline();

    int m_width = 0;
    int m_height = 0;
    GLuint m_emptyFramebuffer = 0;
    GLuint m_backBuffer = 0;
    GLuint m_sceneDepth = 0;
    GLuint m_outlineDepthStencil = 0;
    GLuint m_gBuffer0 = 0;
    GLuint m_gBuffer1 = 0;
    GLuint m_ssao0 = 0;
    GLuint m_ssao1 = 0;
    GLuint m_forward = 0;

    GLuint m_backBufferFramebuffer = 0;   // back buffer + scene depth
    GLuint m_gBufferFramebuffer = 0;      // G-buffer 0 and 1 + scene depth
    GLuint m_forwardFramebuffer = 0;      // forward target + scene depth
    GLuint m_outlineFramebuffer = 0;      // no colour + outline depth-stencil
    GLuint m_backOutlineFramebuffer = 0;  // back buffer + outline depth-stencil
    GLuint m_colourOnly[5] = {};          // one per PassTarget, no depth
};

}  // namespace Lumaspace
