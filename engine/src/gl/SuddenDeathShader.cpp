#include "gl/SuddenDeathShader.h"

#include "Lumagrid/EngineTypes.h"
#include "gl/BindingSlots.h"
#include "gl/EffectParts.h"
#include "gl/GLObjects.h"
#include "gl/ShaderCatalogue.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

struct SheetBuffer {
    glm::mat4 view;
    glm::mat4 projection;
    glm::vec4 colour;
};
static_assert(sizeof(SheetBuffer) == 144);

constexpr VertexAttribute kLayout[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(SheetVertex, position)},
    {kTexcoordLocation, 2, GL_FLOAT, false, offsetof(SheetVertex, uv)},
};
constexpr GLuint kLayoutLocations[] = {kPositionLocation, kTexcoordLocation};

}  // namespace

bool SuddenDeathShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics) {
    const ProgramMessages messages{
        .vertexFailed = "Failed to create sudden death vertex shader.",
        .layoutFailed = "Failed to create sudden death vertex input layout.",
        .pixelFailed = "Failed to create sudden death pixel shader",
        .vertexCompiled = "Sudden death vertex shader compiled successfully.",
        .pixelCompiled = "Sudden death pixel shader compiled successfully.",
    };
    m_program = LoadProgram(programs, kSuddenDeathProgram, kLayoutLocations, messages, diagnostics);
    if (m_program != 0) {
        TieBlock(m_program, "SheetBuffer", VertexBufferSlot(0));
        TieTexture(m_program, "sheetTexture", TextureUnit(0));
        m_sheetBuffer = CreateUniformBuffer(sizeof(SheetBuffer));
        if (m_sheetBuffer == 0) {
            diagnostics.Compose("Failed to create sudden death matrix buffer.");
        } else if ((m_sampler = CreateLinearWrapSampler()) == 0) {
            diagnostics.Compose("Failed to create sudden death sampler state.");
        }
    }
    if (m_program == 0 || m_sheetBuffer == 0 || m_sampler == 0) {
        diagnostics.Compose("The sudden death sheet is switched off.");
        Shutdown();
        return false;
    }
    return true;
}

void SuddenDeathShader::Shutdown() {
    DeleteBuffers({&m_sheetBuffer});
    DeleteSampler(m_sampler);
    m_program = 0;  // the program cache's
}

void SuddenDeathShader::Render(GLuint buffer, int count, GLuint texture, float alpha,
                               const FrameRecord& frame, DiagnosticSink& diagnostics) const {
    if (m_program == 0) {
        return;
    }
    const GLsizei vertices = DrawableVertices(buffer, count, sizeof(SheetVertex)) / 3 * 3;
    if (vertices == 0) {
        return;
    }
    const SheetBuffer sheet{frame.view, frame.projection, glm::vec4(1.0f, 1.0f, 1.0f, alpha)};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_sheetBuffer, &sheet, sizeof(sheet))) {
        diagnostics.Compose("Failed to map sudden death matrix buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_sheetBuffer);
    glActiveTexture(GL_TEXTURE0 + TextureUnit(0));
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindSampler(TextureUnit(0), m_sampler);
    UseVertexLocations((1u << kPositionLocation) | (1u << kTexcoordLocation));
    BindVertexAttributes(buffer, static_cast<GLsizei>(sizeof(SheetVertex)), kLayout);
    glUseProgram(m_program);
    glDrawArrays(GL_TRIANGLES, 0, vertices);
}

}  // namespace Lumaspace
