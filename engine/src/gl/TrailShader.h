// The trail pipeline: a trail's samples (TrailPoint, 48 bytes) drawn as a line list that the geometry shader
// widens into flat ribbon segments fading with age. Trails are an optional effect: when the pipeline cannot
// be made, start-up says why and goes on, and trails draw nothing.
#pragma once

#include <epoxy/gl.h>

#include "Lumagrid/Diagnostics.h"
#include "SceneData.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class TrailShader {
public:
    static constexpr std::size_t kPointBytes = 48;

    // False when the pipeline is off (with the messages composed); start-up does not depend on it.
    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics);
    void Shutdown();

    // Binds the program, its sampler and the frame's camera for the trails drawn after it.
    void Prepare(const FrameRecord& frame, DiagnosticSink& diagnostics) const;
    // One trail: its first count samples (whole segments, no more than the buffer holds) with the texture,
    // and the camera of the last Prepare. Blending and culling are the caller's.
    void Render(GLuint buffer, int count, GLuint texture) const;

private:
    GLuint m_program = 0;
    GLuint m_matrixBuffer = 0;
    GLuint m_sampler = 0;
};

}  // namespace Lumaspace
