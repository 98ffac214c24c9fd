#include "gl/MarkerShader.h"

#include "Lumagrid/EngineTypes.h"
#include "gl/BindingSlots.h"
#include "gl/EffectParts.h"
#include "gl/GLObjects.h"
#include "gl/ShaderCatalogue.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

struct MarkerMatrices {
    glm::mat4 world;
    glm::mat4 view;
    glm::mat4 projection;
};

constexpr VertexAttribute kLayout[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(Vertex, position)},
    {kTexcoordLocation, 2, GL_FLOAT, false, offsetof(Vertex, texcoord)},
};
constexpr GLuint kLayoutLocations[] = {kPositionLocation, kTexcoordLocation};

}  // namespace

bool MarkerShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics) {
    const ProgramMessages messages{
        .vertexFailed = "Failed to create marker vertex shader.",
        .layoutFailed = "Failed to create marker vertex input layout.",
        .pixelFailed = "Failed to create marker pixel shader.",
        .vertexCompiled = "Marker vertex shader compiled successfully.",
        .pixelCompiled = "Marker pixel shader compiled successfully.",
    };
    m_program = LoadProgram(programs, kMarkerProgram, kLayoutLocations, messages, diagnostics);
    if (m_program != 0) {
        TieBlock(m_program, "MarkerMatrices", VertexBufferSlot(0));
        TieTexture(m_program, "markerTexture", TextureUnit(0));
        m_matrixBuffer = CreateUniformBuffer(sizeof(MarkerMatrices));
        if (m_matrixBuffer == 0) {
            diagnostics.Compose("Failed to create marker matrix buffer.");
        } else if ((m_sampler = CreateLinearWrapSampler()) == 0) {
            diagnostics.Compose("Failed to create marker sampler state.");
        }
    }
    if (m_program == 0 || m_matrixBuffer == 0 || m_sampler == 0) {
        diagnostics.Compose("Aim markers are switched off.");
        Shutdown();
        return false;
    }
    return true;
}

void MarkerShader::Shutdown() {
    DeleteBuffers({&m_matrixBuffer});
    DeleteSampler(m_sampler);
    m_program = 0;  // the program cache's
}

void MarkerShader::Render(GLuint buffer, int count, const glm::mat4& world, const FrameRecord& frame,
                          GLuint texture, DiagnosticSink& diagnostics) const {
    if (m_program == 0) {
        return;
    }
    const GLsizei vertices = DrawableVertices(buffer, count, sizeof(Vertex)) / 3 * 3;
    if (vertices == 0) {
        return;
    }
    const MarkerMatrices matrices{world, frame.view, frame.projection};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_matrixBuffer, &matrices, sizeof(matrices))) {
        diagnostics.Compose("Failed to map marker matrix buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_matrixBuffer);
    glActiveTexture(GL_TEXTURE0 + TextureUnit(0));
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindSampler(TextureUnit(0), m_sampler);
    UseVertexLocations((1u << kPositionLocation) | (1u << kTexcoordLocation));
    BindVertexAttributes(buffer, static_cast<GLsizei>(sizeof(Vertex)), kLayout);
    glUseProgram(m_program);
    glDrawArrays(GL_TRIANGLES, 0, vertices);
}

}  // namespace Lumaspace
