// Feeding vertex inputs from buffers on the engine's one vertex array object: a pipeline names the attributes
// its layout has, and every other input location is switched off.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <span>

namespace Lumaspace {

struct VertexAttribute {
    GLuint location;
    GLint components;
    GLenum type;
    bool integer;  // read as integers (bone indices), not converted to float
    GLuint offset;
};

// Points the attributes at buffer with the stride (per vertex, or per instance when divisor is 1).
void BindVertexAttributes(GLuint buffer, GLsizei stride, std::span<const VertexAttribute> attributes,
                          GLuint divisor = 0);

// Enables exactly the locations whose bits are set.
void UseVertexLocations(std::uint32_t locationMask);

}  // namespace Lumaspace
