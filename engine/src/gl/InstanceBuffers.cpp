#include "gl/InstanceBuffers.h"

#include <algorithm>
#include <cstddef>

#include "gl/GLObjects.h"

namespace Lumaspace {

bool InstanceBuffers::Add(int index, int count, std::span<const glm::mat4> matrices) {
    if (index < 0 || static_cast<std::size_t>(index) > m_entries.size()) {
        return false;
    }
    std::vector<glm::mat4> initial(static_cast<std::size_t>(count), glm::mat4(0.0f));
    std::copy_n(matrices.begin(), std::min(matrices.size(), initial.size()), initial.begin());
    DrainGLErrors();
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(initial.size() * sizeof(glm::mat4)), initial.data(),
                 GL_DYNAMIC_DRAW);
    if (!DrainGLErrors()) {
        glDeleteBuffers(1, &buffer);
        buffer = 0;
    }
    const Entry entry{buffer, count, static_cast<int>(std::min(matrices.size(), initial.size()))};
    if (static_cast<std::size_t>(index) == m_entries.size()) {
        m_entries.push_back(entry);
    } else {
        Release(index);
        m_entries[static_cast<std::size_t>(index)] = entry;
    }
    return buffer != 0;
}

bool InstanceBuffers::Release(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) {
        return false;
    }
    Entry& entry = m_entries[static_cast<std::size_t>(index)];
    if (entry.buffer != 0) {
        glDeleteBuffers(1, &entry.buffer);
    }
    entry = Entry{};
    return true;
}

bool InstanceBuffers::Update(std::span<const glm::mat4> matrices, int index) {
    const GLuint buffer = Buffer(index);
    if (buffer == 0) {
        return false;
    }
    const bool written = WriteDiscard(GL_ARRAY_BUFFER, buffer, matrices.data(), matrices.size_bytes());
    m_entries[static_cast<std::size_t>(index)].written = written ? static_cast<int>(matrices.size()) : 0;
    return written;
}

void InstanceBuffers::Shutdown() {
    for (const Entry& entry : m_entries) {
        if (entry.buffer != 0) {
            glDeleteBuffers(1, &entry.buffer);
        }
    }
    m_entries.clear();
}

GLuint InstanceBuffers::Buffer(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_entries.size()
               ? m_entries[static_cast<std::size_t>(index)].buffer
               : 0;
}

int InstanceBuffers::Count(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_entries.size()
               ? m_entries[static_cast<std::size_t>(index)].count
               : 0;
}

int InstanceBuffers::WrittenCount(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_entries.size()
               ? m_entries[static_cast<std::size_t>(index)].written
               : 0;
}

}  // namespace Lumaspace
