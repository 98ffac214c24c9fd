#include "gl/BufferStore.h"

#include <vector>

#include "gl/GLObjects.h"

namespace Lumaspace {

void BufferStore::Shutdown() {
    m_buffers.ForEach([](std::uint32_t, const Entry& entry) { glDeleteBuffers(1, &entry.name); });
    m_buffers.Clear();
}

BufferHandle BufferStore::Create(const void* data, std::size_t byteWidth, bool dynamic) {
    DrainGLErrors();
    GLuint name = 0;
    glGenBuffers(1, &name);
    glBindBuffer(GL_ARRAY_BUFFER, name);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(byteWidth), data,
                 dynamic ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW);
    if (!DrainGLErrors()) {
        glDeleteBuffers(1, &name);
        return {};
    }
    return BufferHandle{m_buffers.Add(Entry{name, byteWidth, dynamic})};
}

BufferHandle BufferStore::CreateStatic(std::span<const std::byte> bytes) {
    return Create(bytes.data(), bytes.size(), false);
}

BufferHandle BufferStore::CreateDynamic(std::size_t byteWidth) {
    const std::vector<std::byte> zeros(byteWidth);
    return Create(zeros.data(), byteWidth, true);
}

bool BufferStore::Update(BufferHandle buffer, std::span<const std::byte> bytes) {
    const Entry* entry = m_buffers.Find(buffer.id);
    if (entry == nullptr || !entry->dynamic || bytes.size() > entry->byteWidth) {
        return false;
    }
    return WriteDiscard(GL_ARRAY_BUFFER, entry->name, bytes.data(), bytes.size());
}

bool BufferStore::Release(BufferHandle buffer) {
    const auto entry = m_buffers.Remove(buffer.id);
    if (!entry) {
        return false;
    }
    glDeleteBuffers(1, &entry->name);
    return true;
}

GLuint BufferStore::Resolve(BufferHandle buffer) const {
    const Entry* entry = m_buffers.Find(buffer.id);
    return entry != nullptr ? entry->name : 0;
}

}  // namespace Lumaspace
