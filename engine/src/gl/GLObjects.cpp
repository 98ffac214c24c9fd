#include "gl/GLObjects.h"

#include <cstring>
#include <vector>

namespace Lumaspace {

bool DrainGLErrors() {
    bool clean = true;
    while (glGetError() != GL_NO_ERROR) {
        clean = false;
    }
    return clean;
}

GLuint CreateTargetTexture(GLenum internalFormat, int width, int height, GLenum format, GLenum type) {
    DrainGLErrors();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(internalFormat), width, height, 0, format, type,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (!DrainGLErrors()) {
        glDeleteTextures(1, &texture);
        return 0;
    }
    return texture;
}

GLuint CreateFramebuffer(std::initializer_list<GLuint> colourTextures, GLenum depthAttachment,
                         GLuint depthTexture) {
    GLint previousRead = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
    ScopedDrawFramebuffer keep;
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    // Draw and read buffers are framebuffer state: bind it for both while it is set up.
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    std::vector<GLenum> drawBuffers;
    for (GLuint texture : colourTextures) {
        const GLenum attachment = GL_COLOR_ATTACHMENT0 + static_cast<GLenum>(drawBuffers.size());
        glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, attachment, GL_TEXTURE_2D, texture, 0);
        drawBuffers.push_back(attachment);
    }
    if (drawBuffers.empty()) {
        glDrawBuffer(GL_NONE);
        glReadBuffer(GL_NONE);
    } else {
        glDrawBuffers(static_cast<GLsizei>(drawBuffers.size()), drawBuffers.data());
        glReadBuffer(GL_COLOR_ATTACHMENT0);
    }
    if (depthTexture != 0) {
        glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, depthAttachment, GL_TEXTURE_2D, depthTexture, 0);
    }
    const bool complete = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previousRead));
    if (!DrainGLErrors() || !complete) {
        glDeleteFramebuffers(1, &framebuffer);
        return 0;
    }
    return framebuffer;
}

bool WriteDiscard(GLenum target, GLuint buffer, const void* data, std::size_t bytes) {
    glBindBuffer(target, buffer);
    if (bytes == 0) {
        GLint size = 0;
        glGetBufferParameteriv(target, GL_BUFFER_SIZE, &size);
        glBufferData(target, size, nullptr, GL_DYNAMIC_DRAW);
        return true;
    }
    void* mapped = glMapBufferRange(target, 0, static_cast<GLsizeiptr>(bytes),
                                    GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT);
    if (mapped == nullptr) {
        DrainGLErrors();
        return false;
    }
    std::memcpy(mapped, data, bytes);
    return glUnmapBuffer(target) == GL_TRUE;
}

ScopedDrawFramebuffer::ScopedDrawFramebuffer() {
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &m_previous);
}

ScopedDrawFramebuffer::~ScopedDrawFramebuffer() {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(m_previous));
}

ScopedDepthWrite::ScopedDepthWrite() {
    glGetBooleanv(GL_DEPTH_WRITEMASK, &m_previous);
    glDepthMask(GL_TRUE);
}

ScopedDepthWrite::~ScopedDepthWrite() {
    glDepthMask(m_previous);
}

}  // namespace Lumaspace
