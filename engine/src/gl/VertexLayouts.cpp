#include "gl/VertexLayouts.h"

#include <cstdint>

#include "gl/BindingSlots.h"

namespace Lumaspace {

void BindVertexAttributes(GLuint buffer, GLsizei stride, std::span<const VertexAttribute> attributes,
                          GLuint divisor) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    for (const VertexAttribute& attribute : attributes) {
        const void* offset = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(attribute.offset));
        if (attribute.integer) {
            glVertexAttribIPointer(attribute.location, attribute.components, attribute.type, stride, offset);
        } else {
            glVertexAttribPointer(attribute.location, attribute.components, attribute.type, GL_FALSE, stride,
                                  offset);
        }
        glVertexAttribDivisor(attribute.location, divisor);
    }
}

void UseVertexLocations(std::uint32_t locationMask) {
    for (GLuint location = 0; location < kVertexLocationCount; ++location) {
        if ((locationMask >> location) & 1u) {
            glEnableVertexAttribArray(location);
        } else {
            glDisableVertexAttribArray(location);
        }
    }
}

}  // namespace Lumaspace
