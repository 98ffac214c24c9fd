#include "gl/SavedDrawState.h"

namespace Lumaspace {

namespace {

void Switch(GLenum capability, GLboolean on) {
    if (on == GL_TRUE) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

}  // namespace

SavedDrawState::SavedDrawState() {
    glGetIntegerv(GL_CURRENT_PROGRAM, &m_program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &m_vertexArray);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &m_arrayBuffer);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &m_activeTexture);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &m_texture);
    glGetIntegerv(GL_SAMPLER_BINDING, &m_sampler);
    glActiveTexture(static_cast<GLenum>(m_activeTexture));
    m_blend = glIsEnabled(GL_BLEND);
    glGetIntegerv(GL_BLEND_SRC_RGB, &m_blendSourceRgb);
    glGetIntegerv(GL_BLEND_DST_RGB, &m_blendDestinationRgb);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &m_blendSourceAlpha);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &m_blendDestinationAlpha);
    glGetIntegerv(GL_BLEND_EQUATION_RGB, &m_blendEquationRgb);
    glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &m_blendEquationAlpha);
    m_depthTest = glIsEnabled(GL_DEPTH_TEST);
    m_stencilTest = glIsEnabled(GL_STENCIL_TEST);
    m_cullFace = glIsEnabled(GL_CULL_FACE);
    m_scissorTest = glIsEnabled(GL_SCISSOR_TEST);
}

void SavedDrawState::Restore() const {
    glUseProgram(static_cast<GLuint>(m_program));
    glBindVertexArray(static_cast<GLuint>(m_vertexArray));
    glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(m_arrayBuffer));
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(m_texture));
    glBindSampler(0, static_cast<GLuint>(m_sampler));
    glActiveTexture(static_cast<GLenum>(m_activeTexture));
    Switch(GL_BLEND, m_blend);
    glBlendFuncSeparate(static_cast<GLenum>(m_blendSourceRgb), static_cast<GLenum>(m_blendDestinationRgb),
                        static_cast<GLenum>(m_blendSourceAlpha),
                        static_cast<GLenum>(m_blendDestinationAlpha));
    glBlendEquationSeparate(static_cast<GLenum>(m_blendEquationRgb),
                            static_cast<GLenum>(m_blendEquationAlpha));
    Switch(GL_DEPTH_TEST, m_depthTest);
    Switch(GL_STENCIL_TEST, m_stencilTest);
    Switch(GL_CULL_FACE, m_cullFace);
    Switch(GL_SCISSOR_TEST, m_scissorTest);
}

}  // namespace Lumaspace
