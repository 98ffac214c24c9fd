// The GL state a self-contained pass (the text pass) changes, read when the object is made and put back by
// Restore: program, vertex array, array buffer, active unit, unit 0's texture and sampler, blending, and the
// depth, stencil, culling and scissor switches.
#pragma once

#include <epoxy/gl.h>

namespace Lumaspace {

class SavedDrawState {
public:
    SavedDrawState();
    void Restore() const;

private:
    GLint m_program = 0;
    GLint m_vertexArray = 0;
    GLint m_arrayBuffer = 0;
    GLint m_activeTexture = GL_TEXTURE0;
    GLint m_texture = 0;
    GLint m_sampler = 0;
    GLboolean m_blend = GL_FALSE;
    GLint m_blendSourceRgb = GL_ONE;
    GLint m_blendDestinationRgb = GL_ZERO;
    GLint m_blendSourceAlpha = GL_ONE;
    GLint m_blendDestinationAlpha = GL_ZERO;
    GLint m_blendEquationRgb = GL_FUNC_ADD;
    GLint m_blendEquationAlpha = GL_FUNC_ADD;
    GLboolean m_depthTest = GL_FALSE;
    GLboolean m_stencilTest = GL_FALSE;
    GLboolean m_cullFace = GL_FALSE;
    GLboolean m_scissorTest = GL_FALSE;
};

}  // namespace Lumaspace
