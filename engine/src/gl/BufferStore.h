// The vertex buffers handles name: immutable ones made from model vertices and dynamic ones the client
// rewrites.
#pragma once

#include <epoxy/gl.h>

#include <cstddef>
#include <span>

#include "HandleTable.h"
#include "Lumagrid/Handles.h"

namespace Lumaspace {

class BufferStore {
public:
    void Shutdown();

    BufferHandle CreateStatic(std::span<const std::byte> bytes);
    BufferHandle CreateDynamic(std::size_t byteWidth);
    // False for unknown or immutable buffers, for more bytes than the buffer holds, and when mapping fails.
    bool Update(BufferHandle buffer, std::span<const std::byte> bytes);
    bool Release(BufferHandle buffer);
    // 0 for unknown handles.
    GLuint Resolve(BufferHandle buffer) const;

private:
    struct Entry {
        GLuint name = 0;
        std::size_t byteWidth = 0;
        bool dynamic = false;
    };

    BufferHandle Create(const void* data, std::size_t byteWidth, bool dynamic);

    HandleTable<Entry> m_buffers;
};

}  // namespace Lumaspace
