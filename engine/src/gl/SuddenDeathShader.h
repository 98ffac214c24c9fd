// The sudden-death pipeline: the client's sheet (SheetVertex, 20 bytes, in world space) drawn as a triangle
// list through the camera with its texture and an opacity. Blending and culling are the caller's. The sheet
// is an optional effect: when the pipeline cannot be made, start-up says why and goes on, and the sheet
// draws nothing.
#pragma once

#include <epoxy/gl.h>

#include "Lumagrid/Diagnostics.h"
#include "SceneData.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class SuddenDeathShader {
public:
    // False when the pipeline is off (with the messages composed); start-up does not depend on it.
    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics);
    void Shutdown();

    // Draws the first count vertices of buffer (whole triangles, no more than it holds) with the frame's
    // camera, the texture and colour (1, 1, 1, alpha).
    void Render(GLuint buffer, int count, GLuint texture, float alpha, const FrameRecord& frame,
                DiagnosticSink& diagnostics) const;

private:
    GLuint m_program = 0;
    GLuint m_sheetBuffer = 0;
    GLuint m_sampler = 0;
};

}  // namespace Lumaspace
