// The GUI pipeline: a unit quad (-0.5..0.5, six vertices of position and texture coordinate) drawn with a
// world matrix and an orthographic projection of the window, sampling one texture with its alpha scaled by an
// opacity.
#pragma once

#include <epoxy/gl.h>

#include <glm/mat4x4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class GUIShader {
public:
    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics);
    void Shutdown();

    // Program, vertex layout with the quad, sampler at slot 0.
    void Prepare() const;
    // One quad: GUI buffer (world, projection, opacity) at vertex slot 0, the texture at slot 0.
    void Render(const glm::mat4& world, GLuint texture, float opacity, float windowWidth, float windowHeight,
                DiagnosticSink& diagnostics) const;

    // The projection of a window of width x height units centred on the origin, y up, near plane 1, far 2.
    static glm::mat4 Projection(float windowWidth, float windowHeight);

private:
    GLuint m_program = 0;
    GLuint m_quad = 0;
    GLuint m_guiBuffer = 0;
    GLuint m_sampler = 0;
};

}  // namespace Lumaspace
