#include "gl/SceneLayouts.h"

namespace Lumaspace {

GLsizei FittingVertices(GLuint buffer, int count, GLsizei stride, const SceneLayout& layout) {
    if (buffer == 0 || count <= 0 || stride <= 0) {
        return 0;
    }
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    GLint64 bytes = 0;
    glGetBufferParameteri64v(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    const GLint64 end = std::max<GLint64>(layout.End(), 1);
    if (bytes < end) {
        return 0;
    }
    const GLint64 fitting = (bytes - end) / stride + 1;
    return static_cast<GLsizei>(std::min<GLint64>(count, fitting));
}

}  // namespace Lumaspace
