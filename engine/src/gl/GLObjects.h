// Small helpers for creating and writing GL objects, shared by the targets, stores and pipelines.
#pragma once

#include <epoxy/gl.h>

#include <cstddef>
#include <initializer_list>
#include <string>

namespace Lumaspace {

// Takes every pending GL error; true when there was none.
bool DrainGLErrors();

// A 2D texture of one mip level (GL_TEXTURE_MAX_LEVEL 0, so that it is complete under any sampler). pixels
// may be null. Returns 0 when GL refuses.
GLuint CreateTargetTexture(GLenum internalFormat, int width, int height, GLenum format, GLenum type);

// A framebuffer with the colour textures at attachments 0, 1, ... (no colour: draw and read buffers NONE) and
// an optional depth texture at depthAttachment. Returns 0 (and deletes it) when it is not complete.
GLuint CreateFramebuffer(std::initializer_list<GLuint> colourTextures, GLenum depthAttachment,
                         GLuint depthTexture);

// Replaces a buffer's contents the way a write-discard map does: the old contents are given up, bytes are
// written from offset 0. False when the mapping fails.
bool WriteDiscard(GLenum target, GLuint buffer, const void* data, std::size_t bytes);

// Keeps the draw framebuffer binding across a temporary rebinding (clears, blits).
class ScopedDrawFramebuffer {
public:
    ScopedDrawFramebuffer();
    ~ScopedDrawFramebuffer();
    ScopedDrawFramebuffer(const ScopedDrawFramebuffer&) = delete;
    ScopedDrawFramebuffer& operator=(const ScopedDrawFramebuffer&) = delete;

private:
    GLint m_previous = 0;
};

// Clearing depth honours the depth write mask, which the depth states switch off: allow writes while
// clearing.
class ScopedDepthWrite {
public:
    ScopedDepthWrite();
    ~ScopedDepthWrite();
    ScopedDepthWrite(const ScopedDepthWrite&) = delete;
    ScopedDepthWrite& operator=(const ScopedDepthWrite&) = delete;

private:
    GLboolean m_previous = GL_TRUE;
};

}  // namespace Lumaspace
