#include "gl/ParticleShader.h"

#include "gl/BindingSlots.h"
#include "gl/EffectParts.h"
#include "gl/GLObjects.h"
#include "gl/ShaderCatalogue.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

struct ParticleMatrices {
    glm::mat4 world;
    glm::mat4 view;
    glm::mat4 projection;
};
static_assert(sizeof(ParticleMatrices) == 192);

constexpr VertexAttribute kLayout[] = {
    {kPositionLocation, 3, GL_FLOAT, false, 0},
    {kSizeLocation, 2, GL_FLOAT, false, 12},
    {kColourLocation, 4, GL_FLOAT, false, 20},
    {kRotationLocation, 1, GL_FLOAT, false, 36},
};
constexpr GLuint kLayoutLocations[] = {kPositionLocation, kSizeLocation, kColourLocation, kRotationLocation};

void TieProgram(GLuint program) {
    TieBlock(program, "ParticleMatrices", GeometryBufferSlot(0));
    TieTexture(program, "particleTexture", TextureUnit(0));
}

}  // namespace

bool ParticleShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics) {
    ProgramMessages messages{
        .vertexFailed = "Failed to create particle vertex shader.",
        .layoutFailed = "Failed to create particle vertex layout.",
        .geometryFailed = "Failed to create particle geometry vertex shader.",
        .pixelFailed = "Failed to create particle pixel shader.",
        .vertexCompiled = "Particle vertex shader compiled successfully.",
        .vertexVersion = "Shader version: VS ",
        .geometryCompiled = "Particle geometry shader compiled successfully.",
        .geometryVersion = "Shader version: PS ",
    };
    m_fireProgram = LoadProgram(programs, kFireParticleProgram, kLayoutLocations, messages, diagnostics);
    if (m_fireProgram == 0) {
        return false;
    }
    // The second program shares the first one's vertex and geometry stages: only its pixel shader is new.
    ProgramMessages pixelOnly{.pixelFailed = messages.pixelFailed,
                              .pixelCompiled = "Particle pixel shader compiled successfully.",
                              .pixelVersion = "Shader version: PS "};
    m_plainProgram = LoadProgram(programs, kPlainParticleProgram, kLayoutLocations, pixelOnly, diagnostics);
    if (m_plainProgram == 0) {
        return false;
    }
    TieProgram(m_fireProgram);
    TieProgram(m_plainProgram);

    m_matrixBuffer = CreateUniformBuffer(sizeof(ParticleMatrices));
    if (m_matrixBuffer == 0) {
        diagnostics.Compose("Failed to create particle matrix buffer.");
        return false;
    }
    m_sampler = CreateLinearWrapSampler();
    if (m_sampler == 0) {
        diagnostics.Compose("Failed to create particle sampler state.");
        return false;
    }
    return true;
}

void ParticleShader::Shutdown() {
    DeleteBuffers({&m_matrixBuffer});
    DeleteSampler(m_sampler);
    // The programs belong to the program cache.
    m_fireProgram = m_plainProgram = 0;
}

void ParticleShader::Render(GLuint buffer, int count, const glm::mat4& world, const FrameRecord& frame,
                            GLuint texture, bool fire, DiagnosticSink& diagnostics) const {
    if (m_fireProgram == 0) {
        return;
    }
    const ParticleMatrices matrices{world, frame.view, frame.projection};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_matrixBuffer, &matrices, sizeof(matrices))) {
        diagnostics.Compose("Failed to map particle matrix buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, GeometryBufferSlot(0), m_matrixBuffer);
    glActiveTexture(GL_TEXTURE0 + TextureUnit(0));
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindSampler(TextureUnit(0), m_sampler);
    UseVertexLocations((1u << kPositionLocation) | (1u << kSizeLocation) | (1u << kColourLocation) |
                       (1u << kRotationLocation));
    BindVertexAttributes(buffer, static_cast<GLsizei>(kVertexBytes), kLayout);
    glUseProgram(fire ? m_fireProgram : m_plainProgram);
    const GLsizei vertices = DrawableVertices(buffer, count, kVertexBytes);
    if (vertices > 0) {
        glDrawArrays(GL_POINTS, 0, vertices);
    }
}

}  // namespace Lumaspace
