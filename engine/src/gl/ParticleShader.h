// The particle pipeline: an emitter's vertex buffer (40-byte particles: position, size, colour, rotation)
// drawn as a point list that the geometry shader turns into camera-facing sprites, with the fire look (for
// additive blending) or the ordinary one. Blend and depth states are the caller's.
#pragma once

#include <epoxy/gl.h>

#include <glm/mat4x4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "SceneData.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class ParticleShader {
public:
    static constexpr std::size_t kVertexBytes = 40;

    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics);
    void Shutdown();

    // Draws the first count particles of buffer (no more than it holds) with world and the frame's camera.
    // Count 0 binds everything and draws nothing; a particle of size 0 draws nothing.
    void Render(GLuint buffer, int count, const glm::mat4& world, const FrameRecord& frame, GLuint texture,
                bool fire, DiagnosticSink& diagnostics) const;

private:
    GLuint m_fireProgram = 0;
    GLuint m_plainProgram = 0;
    GLuint m_matrixBuffer = 0;
    GLuint m_sampler = 0;
};

}  // namespace Lumaspace
