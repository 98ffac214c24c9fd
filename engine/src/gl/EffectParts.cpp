#include "gl/EffectParts.h"

#include <algorithm>
#include <cfloat>
#include <string>

#include "gl/GLObjects.h"

namespace Lumaspace {

namespace {

void Say(DiagnosticSink& diagnostics, const char* message) {
    if (message != nullptr) {
        diagnostics.Compose(message);
    }
}

}  // namespace

GLuint LoadProgram(ProgramCache& programs, const ProgramFiles& files, std::span<const GLuint> locations,
                   const ProgramMessages& messages, DiagnosticSink& diagnostics) {
    ShaderFailure failure;
    const GLuint program = programs.Get(files, failure);
    const bool vertexFailed = program == 0 && failure.stage == ShaderStage::Vertex;
    const bool geometryFailed = program == 0 && failure.stage == ShaderStage::Geometry;
    if (vertexFailed) {
        Say(diagnostics, messages.vertexFailed);
        diagnostics.Compose(failure.detail);
        return 0;
    }
    std::string layoutDetail;
    if (program != 0 && !ProgramMatchesLayout(program, locations, layoutDetail)) {
        Say(diagnostics, messages.layoutFailed);
        diagnostics.Compose(layoutDetail);
        return 0;
    }
    Say(diagnostics, messages.vertexCompiled);
    Say(diagnostics, messages.vertexVersion);
    if (!files.geometry.empty()) {
        if (geometryFailed) {
            Say(diagnostics, messages.geometryFailed);
            diagnostics.Compose(failure.detail);
            return 0;
        }
        Say(diagnostics, messages.geometryCompiled);
        Say(diagnostics, messages.geometryVersion);
    }
    if (program == 0) {
        Say(diagnostics, messages.pixelFailed);
        diagnostics.Compose(failure.detail);
        return 0;
    }
    Say(diagnostics, messages.pixelCompiled);
    Say(diagnostics, messages.pixelVersion);
    return program;
}

void TieBlock(GLuint program, const char* block, GLuint bindingPoint) {
    const GLuint index = glGetUniformBlockIndex(program, block);
    if (index != GL_INVALID_INDEX) {
        glUniformBlockBinding(program, index, bindingPoint);
    }
}

void TieTexture(GLuint program, const char* sampler, GLuint unit) {
    GLint previous = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
    glUseProgram(program);
    glUniform1i(glGetUniformLocation(program, sampler), static_cast<GLint>(unit));
    glUseProgram(static_cast<GLuint>(previous));
}

GLuint CreateUniformBuffer(std::size_t bytes) {
    DrainGLErrors();
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_UNIFORM_BUFFER, buffer);
    glBufferData(GL_UNIFORM_BUFFER, static_cast<GLsizeiptr>(bytes), nullptr, GL_DYNAMIC_DRAW);
    glBindBuffer(GL_UNIFORM_BUFFER, 0);
    if (!DrainGLErrors()) {
        glDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

GLuint CreateLinearWrapSampler() {
    DrainGLErrors();
    GLuint sampler = 0;
    glGenSamplers(1, &sampler);
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_R, GL_REPEAT);
    glSamplerParameterf(sampler, GL_TEXTURE_LOD_BIAS, 0.0f);
    glSamplerParameterf(sampler, GL_TEXTURE_MIN_LOD, 0.0f);
    glSamplerParameterf(sampler, GL_TEXTURE_MAX_LOD, FLT_MAX);
    if (!DrainGLErrors()) {
        glDeleteSamplers(1, &sampler);
        return 0;
    }
    return sampler;
}

GLsizei DrawableVertices(GLuint buffer, int count, std::size_t stride) {
    if (buffer == 0 || count <= 0 || stride == 0) {
        return 0;
    }
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    GLint64 bytes = 0;
    glGetBufferParameteri64v(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    const GLint64 whole = std::max<GLint64>(bytes, 0) / static_cast<GLint64>(stride);
    return static_cast<GLsizei>(std::min<GLint64>(count, whole));
}

void DeleteBuffers(std::initializer_list<GLuint*> buffers) {
    for (GLuint* buffer : buffers) {
        if (*buffer != 0) {
            glDeleteBuffers(1, buffer);
            *buffer = 0;
        }
    }
}

void DeleteSampler(GLuint& sampler) {
    if (sampler != 0) {
        glDeleteSamplers(1, &sampler);
        sampler = 0;
    }
}

}  // namespace Lumaspace
