#include "gl/GUIShader.h"

#include <cfloat>

#include "gl/BindingSlots.h"
#include "gl/GLObjects.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

// The GUI buffer as the vertex shader's std140 block reads it.
struct GUIBufferData {
    glm::mat4 world;
    glm::mat4 projection;
    float opacity;
    float padding[3];
};
static_assert(sizeof(GUIBufferData) == 144);

struct QuadVertex {
    float x, y, z, u, v;
};

// Two clockwise triangles; texture coordinate (0, 0) is the picture's top-left corner.
constexpr QuadVertex kQuad[6] = {
    {0.5f, -0.5f, 0.0f, 1.0f, 1.0f}, {-0.5f, -0.5f, 0.0f, 0.0f, 1.0f}, {-0.5f, 0.5f, 0.0f, 0.0f, 0.0f},
    {-0.5f, 0.5f, 0.0f, 0.0f, 0.0f}, {0.5f, 0.5f, 0.0f, 1.0f, 0.0f},   {0.5f, -0.5f, 0.0f, 1.0f, 1.0f},
};

constexpr VertexAttribute kLayout[] = {
    {kPositionLocation, 3, GL_FLOAT, false, 0},
    {kTexcoordLocation, 2, GL_FLOAT, false, 12},
};
constexpr GLuint kLayoutLocations[] = {kPositionLocation, kTexcoordLocation};

}  // namespace

glm::mat4 GUIShader::Projection(float windowWidth, float windowHeight) {
    glm::mat4 projection(0.0f);
    projection[0][0] = 2.0f / windowWidth;
    projection[1][1] = 2.0f / windowHeight;
    projection[2][2] = 1.0f;
    projection[3] = glm::vec4(0.0f, 0.0f, -1.0f, 1.0f);
    return projection;
}

bool GUIShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics) {
    ShaderFailure failure;
    m_program = programs.Get(kGUIProgram, failure);
    if (m_program == 0 && failure.stage == ShaderStage::Vertex) {
        diagnostics.Compose("Failed to create GUI vertex shader.");
        diagnostics.Compose(failure.detail);
        return false;
    }
    diagnostics.Compose("GUI vertex shader compiled successfully.");
    diagnostics.Compose("GUI version: VS ");
    if (m_program == 0) {
        diagnostics.Compose("Failed to create GUI pixel shader @GUIShader");
        diagnostics.Compose(failure.detail);
        return false;
    }
    std::string layoutDetail;
    if (!ProgramMatchesLayout(m_program, kLayoutLocations, layoutDetail)) {
        diagnostics.Compose("Failed to create GUI vertex input layout. @GUIShader");
        diagnostics.Compose(layoutDetail);
        return false;
    }
    diagnostics.Compose("GUI pixel shader compiled successfully.");
    diagnostics.Compose("Shader version: PS ");

    // The blocks and samplers are tied to their slots once; binding a buffer or texture to the slot feeds
    // them.
    const GLuint block = glGetUniformBlockIndex(m_program, "GUIBuffer");
    if (block != GL_INVALID_INDEX) {
        glUniformBlockBinding(m_program, block, VertexBufferSlot(0));
    }
    glUseProgram(m_program);
    glUniform1i(glGetUniformLocation(m_program, "guiTexture"), static_cast<GLint>(TextureUnit(0)));
    glUseProgram(0);

    // A failed quad only means nothing is drawn; start-up goes on as the pipeline's contract says.
    glGenBuffers(1, &m_quad);
    glBindBuffer(GL_ARRAY_BUFFER, m_quad);
    glBufferData(GL_ARRAY_BUFFER, sizeof(kQuad), kQuad, GL_STATIC_DRAW);
    DrainGLErrors();

    glGenBuffers(1, &m_guiBuffer);
    glBindBuffer(GL_UNIFORM_BUFFER, m_guiBuffer);
    glBufferData(GL_UNIFORM_BUFFER, sizeof(GUIBufferData), nullptr, GL_DYNAMIC_DRAW);
    if (!DrainGLErrors()) {
        diagnostics.Compose("Failed to create scene matrix buffer.");
        return false;
    }

    glGenSamplers(1, &m_sampler);
    glSamplerParameteri(m_sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glSamplerParameteri(m_sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(m_sampler, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glSamplerParameteri(m_sampler, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glSamplerParameteri(m_sampler, GL_TEXTURE_WRAP_R, GL_REPEAT);
    glSamplerParameterf(m_sampler, GL_TEXTURE_LOD_BIAS, 0.0f);
    glSamplerParameterf(m_sampler, GL_TEXTURE_MIN_LOD, 0.0f);
    glSamplerParameterf(m_sampler, GL_TEXTURE_MAX_LOD, FLT_MAX);
    if (!DrainGLErrors()) {
        diagnostics.Compose("Failed to create scene sampler state.");
        return false;
    }
    return true;
}

void GUIShader::Shutdown() {
    if (m_sampler != 0) {
        glDeleteSamplers(1, &m_sampler);
    }
    for (GLuint* buffer : {&m_quad, &m_guiBuffer}) {
        if (*buffer != 0) {
            glDeleteBuffers(1, buffer);
        }
    }
    // The program belongs to the program cache.
    m_program = m_quad = m_guiBuffer = m_sampler = 0;
}

void GUIShader::Prepare() const {
    glBindSampler(TextureUnit(0), m_sampler);
    UseVertexLocations((1u << kPositionLocation) | (1u << kTexcoordLocation));
    BindVertexAttributes(m_quad, sizeof(QuadVertex), kLayout);
    glUseProgram(m_program);
}

void GUIShader::Render(const glm::mat4& world, GLuint texture, float opacity, float windowWidth,
                       float windowHeight, DiagnosticSink& diagnostics) const {
    const GUIBufferData data{world, Projection(windowWidth, windowHeight), opacity, {}};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_guiBuffer, &data, sizeof(data))) {
        diagnostics.Compose("Failed to map GUI matrix buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_guiBuffer);
    glActiveTexture(GL_TEXTURE0 + TextureUnit(0));
    glBindTexture(GL_TEXTURE_2D, texture);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

}  // namespace Lumaspace
