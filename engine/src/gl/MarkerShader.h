// The aim-marker pipeline: a static model (44-byte vertices) placed by its world matrix, drawn unlit with its
// texture and a little translucent over the floor. Blend and depth states are the caller's (the particle
// pass). Markers are an optional effect: when the pipeline cannot be made, start-up says why and goes on,
// and markers draw nothing.
#pragma once

#include <epoxy/gl.h>

#include <glm/mat4x4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "SceneData.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class MarkerShader {
public:
    // False when the pipeline is off (with the messages composed); start-up does not depend on it.
    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics);
    void Shutdown();

    // Draws the first count vertices of buffer (whole triangles, no more than it holds) with world and the
    // frame's camera.
    void Render(GLuint buffer, int count, const glm::mat4& world, const FrameRecord& frame, GLuint texture,
                DiagnosticSink& diagnostics) const;

private:
    GLuint m_program = 0;
    GLuint m_matrixBuffer = 0;
    GLuint m_sampler = 0;
};

}  // namespace Lumaspace
