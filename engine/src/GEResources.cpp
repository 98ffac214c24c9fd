// GE's resource operations: argument checks and the messages the client relies on; the back end creates.
#include <algorithm>
#include <cstddef>
#include <limits>

#include "ImageFile.h"
#include "Lumagrid/GE.h"
#include "RenderBackend.h"

namespace Lumaspace {

BufferHandle GE::CreateBuffer(BUFFERTYPE type, const std::vector<Vertex>& vertices,
                              const std::vector<VertexAnimated>& animatedVertices) {
    if (!m_backend) {
        return {};
    }
    std::span<const std::byte> bytes;
    if (type == BUFFERTYPE_STATIC) {
        bytes = std::as_bytes(std::span(vertices));
    } else if (type == BUFFERTYPE_ANIMATED) {
        bytes = std::as_bytes(std::span(animatedVertices));
    } else {
        m_diagnostics.Compose("Invalid buffer type passed to CreateBuffer().");
        m_diagnostics.Compose("Failed to create buffer.");
        return {};
    }
    BufferHandle buffer = bytes.empty() ? BufferHandle{} : m_backend->CreateBuffer(type, bytes);
    if (!buffer) {
        m_diagnostics.Compose("Failed to create buffer.");
    }
    return buffer;
}

BufferHandle GE::CreateBuffer(BUFFERTYPE type, std::span<const std::byte> vertexBytes) {
    if (!m_backend) {
        return {};
    }
    if (type != BUFFERTYPE_STATIC && type != BUFFERTYPE_ANIMATED) {
        m_diagnostics.Compose("Invalid buffer type passed to CreateBuffer().");
        m_diagnostics.Compose("Failed to create buffer.");
        return {};
    }
    const std::size_t stride = type == BUFFERTYPE_STATIC ? sizeof(Vertex) : sizeof(VertexAnimated);
    BufferHandle buffer;
    if (!vertexBytes.empty() && vertexBytes.size() % stride == 0) {
        buffer = m_backend->CreateBuffer(type, vertexBytes);
    }
    if (!buffer) {
        m_diagnostics.Compose("Failed to create buffer.");
    }
    return buffer;
}

BufferHandle GE::CreateDynamicBuffer(std::size_t byteWidth) {
    if (!m_backend) {
        return {};
    }
    constexpr std::size_t kLargest = std::numeric_limits<std::int32_t>::max();
    BufferHandle buffer =
        (byteWidth == 0 || byteWidth > kLargest) ? BufferHandle{} : m_backend->CreateDynamicBuffer(byteWidth);
    if (!buffer) {
        m_diagnostics.Compose("Failed to create dynamic vertex buffer.");
    }
    return buffer;
}

bool GE::UpdateDynamicBuffer(BufferHandle buffer, std::span<const std::byte> bytes) {
    if (!m_backend) {
        return false;
    }
    if (!m_backend->UpdateDynamicBuffer(buffer, bytes)) {
        m_diagnostics.Compose("Failed to map dynamic vertex buffer.");
        return false;
    }
    return true;
}

void GE::ReleaseBuffer(BufferHandle buffer) {
    if (m_backend && buffer && !m_backend->ReleaseBuffer(buffer)) {
        m_diagnostics.Compose("Released a buffer handle the engine does not know.");
    }
}

TextureHandle GE::Create2DTexture(const std::string& path) {
    if (!m_backend) {
        return {};
    }
    ImageRGBA image;
    TextureHandle texture;
    if (DecodeImageFile(path, image)) {
        texture = m_backend->Create2DTexture(path, image);
    }
    if (!texture) {
        m_diagnostics.Compose("Filepath: '" + path + "'!");
    }
    return texture;
}

TextureHandle GE::CreateTextureFromPixels(int width, int height, std::span<const std::uint8_t> rgba) {
    if (!m_backend) {
        return {};
    }
    constexpr int kLargestSide = 16384;
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide ||
        rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4) {
        m_diagnostics.Compose("Invalid pixels passed to CreateTextureFromPixels().");
        return {};
    }
    TextureHandle texture = m_backend->CreateTextureFromPixels(width, height, rgba);
    if (!texture) {
        m_diagnostics.Compose("Failed to create texture from pixels.");
    }
    return texture;
}

void GE::ReleaseTexture(TextureHandle texture) {
    if (m_backend && texture && !m_backend->ReleaseTexture(texture)) {
        m_diagnostics.Compose("Released a texture handle the engine does not know or owns itself.");
    }
}

int GE::AddInstanceBuffer(int count, const std::vector<glm::mat4>& matrices) {
    if (!m_backend || count <= 0) {
        return -1;
    }
    const std::size_t given = std::min(matrices.size(), static_cast<std::size_t>(count));
    if (given < static_cast<std::size_t>(count)) {
        // Reading `count` matrices would run past the vector: the missing instances start as zero matrices.
        m_diagnostics.Compose("Instance buffer given fewer matrices than instances; the rest start as zero.");
    }
    // A released buffer's index is used again, so that a state built over and over holds a fixed number.
    const auto freeSlot = std::find(m_instanceCounts.begin(), m_instanceCounts.end(), 0);
    const auto index = static_cast<int>(freeSlot - m_instanceCounts.begin());
    if (freeSlot == m_instanceCounts.end()) {
        m_instanceCounts.push_back(count);
    } else {
        *freeSlot = count;
    }
    if (!m_backend->AddInstanceBuffer(index, count, std::span(matrices).first(given))) {
        m_diagnostics.Compose("Failed to create instance buffer.");
    }
    return index;
}

void GE::UpdateInstanceBuffers(const std::vector<glm::mat4>& matrices, int index) {
    if (!m_backend) {
        return;
    }
    const int held = InstanceCount(index);
    // A vector longer than the buffer or an index no buffer has is refused whole instead of writing past it.
    if (held == 0 || matrices.size() > static_cast<std::size_t>(held) ||
        !m_backend->UpdateInstanceBuffers(matrices, index)) {
        m_diagnostics.Compose("Failed to update instance buffer.");
    }
}

void GE::ReleaseInstanceBuffer(int index) {
    if (!m_backend) {
        return;
    }
    if (InstanceCount(index) == 0) {
        m_diagnostics.Compose("Released an instance buffer index that names no buffer.");
        return;
    }
    m_instanceCounts[static_cast<std::size_t>(index)] = 0;
    m_backend->ReleaseInstanceBuffer(index);
}

int GE::GetNumberOfInstanceBuffer() const {
    return static_cast<int>(m_instanceCounts.size()) -
           static_cast<int>(std::count(m_instanceCounts.begin(), m_instanceCounts.end(), 0));
}

int GE::InstanceCount(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_instanceCounts.size()
               ? m_instanceCounts[static_cast<std::size_t>(index)]
               : 0;
}

}  // namespace Lumaspace
