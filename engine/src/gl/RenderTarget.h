// An offscreen target of its own size: an R32F colour texture the shaders sample and a 32-bit float depth
// texture, bound together (the shadow map, later the visibility texture).
#pragma once

#include <epoxy/gl.h>

#include "Lumagrid/Diagnostics.h"

namespace Lumaspace {

class RenderTarget {
public:
    bool Initialize(int width, int height, DiagnosticSink& diagnostics);
    void Shutdown();

    // Binds colour and depth and clears them: colour to (1, 1, 1, 1), depth to 1.
    void BindAndClear() const;
    GLuint ColourTexture() const { return m_colour; }

private:
    GLuint m_colour = 0;
    GLuint m_depth = 0;
    GLuint m_framebuffer = 0;
};

}  // namespace Lumaspace
