#include "gl/TrailShader.h"

#include "Lumagrid/EngineTypes.h"
#include "gl/BindingSlots.h"
#include "gl/EffectParts.h"
#include "gl/GLObjects.h"
#include "gl/ShaderCatalogue.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

struct TrailMatrices {
    glm::mat4 world;
    glm::mat4 view;
    glm::mat4 projection;
};

static_assert(sizeof(TrailPoint) == TrailShader::kPointBytes);

constexpr VertexAttribute kLayout[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(TrailPoint, position)},
    {kRotationLocation, 1, GL_FLOAT, false, offsetof(TrailPoint, angle)},
    {kWidthLocation, 1, GL_FLOAT, false, offsetof(TrailPoint, width)},
    {kTimesLocation, 2, GL_FLOAT, false, offsetof(TrailPoint, lifetime)},
    {kColourLocation, 4, GL_FLOAT, false, offsetof(TrailPoint, colour)},
    {kFlagLocation, 1, GL_FLOAT, false, offsetof(TrailPoint, tail)},
};
constexpr GLuint kLayoutLocations[] = {kPositionLocation, kRotationLocation, kWidthLocation,
                                       kTimesLocation,    kColourLocation,   kFlagLocation};

}  // namespace

bool TrailShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics) {
    const ProgramMessages messages{
        .vertexFailed = "Failed to create trail vertex shader.",
        .layoutFailed = "Failed to create trail vertex layout.",
        .geometryFailed = "Failed to create trail geometry vertex shader.",
        .pixelFailed = "Failed to create trail pixel shader.",
        .vertexCompiled = "Trail vertex shader compiled successfully.",
        .vertexVersion = "Shader version: VS ",
        .geometryCompiled = "Trail geometry shader compiled successfully.",
        .geometryVersion = "Shader version: PS ",
        .pixelCompiled = "Trail pixel shader compiled successfully.",
    };
    m_program = LoadProgram(programs, kTrailProgram, kLayoutLocations, messages, diagnostics);
    if (m_program != 0) {
        TieBlock(m_program, "TrailMatrices", GeometryBufferSlot(0));
        TieTexture(m_program, "trailTexture", TextureUnit(0));
        m_matrixBuffer = CreateUniformBuffer(sizeof(TrailMatrices));
        if (m_matrixBuffer == 0) {
            diagnostics.Compose("Failed to create trail matrix buffer.");
        } else if ((m_sampler = CreateLinearWrapSampler()) == 0) {
            diagnostics.Compose("Failed to create trail sampler state.");
        }
    }
    if (m_program == 0 || m_matrixBuffer == 0 || m_sampler == 0) {
        diagnostics.Compose("Trails are switched off.");
        Shutdown();
        return false;
    }
    return true;
}

void TrailShader::Shutdown() {
    DeleteBuffers({&m_matrixBuffer});
    DeleteSampler(m_sampler);
    m_program = 0;  // the program cache's
}

void TrailShader::Prepare(const FrameRecord& frame, DiagnosticSink& diagnostics) const {
    if (m_program == 0) {
        return;
    }
    const TrailMatrices matrices{glm::mat4(1.0f), frame.view, frame.projection};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_matrixBuffer, &matrices, sizeof(matrices))) {
        diagnostics.Compose("Failed to map particle matrix buffer.");
    }
    glBindSampler(TextureUnit(0), m_sampler);
    glUseProgram(m_program);
}

void TrailShader::Render(GLuint buffer, int count, GLuint texture) const {
    if (m_program == 0) {
        return;
    }
    // A line list takes its samples in pairs; an odd last sample has no partner.
    const GLsizei points = DrawableVertices(buffer, count, kPointBytes) & ~GLsizei{1};
    if (points == 0) {
        return;
    }
    glUseProgram(m_program);
    glBindBufferBase(GL_UNIFORM_BUFFER, GeometryBufferSlot(0), m_matrixBuffer);
    glActiveTexture(GL_TEXTURE0 + TextureUnit(0));
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindSampler(TextureUnit(0), m_sampler);
    std::uint32_t locations = 0;
    for (GLuint location : kLayoutLocations) {
        locations |= 1u << location;
    }
    UseVertexLocations(locations);
    BindVertexAttributes(buffer, static_cast<GLsizei>(kPointBytes), kLayout);
    glDrawArrays(GL_LINES, 0, points);
}

}  // namespace Lumaspace
