#include "gl/Samplers.h"

#include <cfloat>

#include "gl/GLObjects.h"

namespace Lumaspace {

GLuint CreateSampler(SamplerKind kind) {
    DrainGLErrors();
    GLuint sampler = 0;
    glGenSamplers(1, &sampler);
    const bool trilinear = kind == SamplerKind::Shadow;
    GLint address = GL_CLAMP_TO_EDGE;
    if (kind == SamplerKind::AmbientRandom) {
        address = GL_REPEAT;
    } else if (kind == SamplerKind::AmbientDepth) {
        address = GL_CLAMP_TO_BORDER;
    }
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER,
                        trilinear ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, address);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, address);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_R, address);
    glSamplerParameterf(sampler, GL_TEXTURE_LOD_BIAS, 0.0f);
    glSamplerParameterf(sampler, GL_TEXTURE_MIN_LOD, 0.0f);
    glSamplerParameterf(sampler, GL_TEXTURE_MAX_LOD, FLT_MAX);
    if (kind == SamplerKind::AmbientDepth) {
        const GLfloat border[4] = {0.0f, 0.0f, 0.0f, 100000.0f};
        glSamplerParameterfv(sampler, GL_TEXTURE_BORDER_COLOR, border);
    }
    if (!DrainGLErrors()) {
        glDeleteSamplers(1, &sampler);
        return 0;
    }
    return sampler;
}

void BindSampler(GLuint sampler, std::initializer_list<GLuint> units) {
    for (GLuint unit : units) {
        glBindSampler(unit, sampler);
    }
}

void BindTextures(std::initializer_list<UnitTexture> textures) {
    for (const UnitTexture& binding : textures) {
        glActiveTexture(GL_TEXTURE0 + binding.unit);
        glBindTexture(GL_TEXTURE_2D, binding.texture);
    }
    glActiveTexture(GL_TEXTURE0);
}

}  // namespace Lumaspace
