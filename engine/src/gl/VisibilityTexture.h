// The line-of-sight texture and overlay on the GPU: an R32F target into which the visibility polygon's fan is
// drawn, seen straight down through the view-polygon and visibility projection matrices (1 where the viewer
// sees, 0 elsewhere), and the overlay quad over the arena (six scene vertices, its u shifted by the scroll)
// that the reversed-shadow pass draws with it. The texture is redrawn only when the polygon has changed since
// its last draw, just before the overlay needs it, so at most once a frame.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>

#include "Lumagrid/Diagnostics.h"
#include "Lumagrid/Handles.h"
#include "SceneData.h"
#include "gl/BufferStore.h"
#include "gl/ShaderProgram.h"
#include "gl/TextureStore.h"

namespace Lumaspace {

class VisibilityTexture {
public:
    // The shaders, buffers and a texture of width x height, blank until the polygon moves on from revision.
    // False when anything cannot be made (the shaders' failures carry only the compiler's detail).
    bool Initialize(ProgramCache& programs, TextureStore& textures, BufferStore& buffers, int width,
                    int height, std::uint64_t revision, DiagnosticSink& diagnostics);
    void Shutdown();

    // A new size (truncated to whole texels), blank until the polygon next changes: revision is the polygon's
    // current one. A size that cannot be made is reported and leaves no texture, and so no overlay, until
    // the next size that can.
    void Resize(float width, float height, std::uint64_t revision, DiagnosticSink& diagnostics);

    // Brings the texture and the overlay quad up to date with the scene (the fan when the polygon's revision
    // moved on, the quad when the scroll moved). The draw framebuffer, viewport and switches are left as they
    // were. False when there is no texture to draw the overlay with.
    bool Refresh(const SceneData& scene, BufferStore& buffers, DiagnosticSink& diagnostics);

    TextureHandle Texture() const { return m_textureHandle; }
    BufferHandle Overlay() const { return m_overlay; }

private:
    void DrawFan(const SceneData& scene, DiagnosticSink& diagnostics);
    void Clear() const;

    GLuint m_program = 0;
    GLuint m_texture = 0;
    GLuint m_framebuffer = 0;
    GLuint m_fanBuffer = 0;
    std::size_t m_fanCapacity = 0;  // vertices
    GLuint m_matrixBuffer = 0;
    TextureHandle m_textureHandle;
    BufferHandle m_overlay;
    int m_width = 0;
    int m_height = 0;
    bool m_usable = false;
    std::uint64_t m_drawnRevision = 0;
    float m_overlayScroll = 0.0f;
};

}  // namespace Lumaspace
