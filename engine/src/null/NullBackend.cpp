#include "null/NullBackend.h"

#include <utility>

#include "null/CommandRecorder.h"
#include "text/TextLayout.h"

namespace Lumaspace {

namespace {
float Flag(bool value) {
    return value ? 1.0f : 0.0f;
}
}  // namespace

void NullBackend::Record(std::string operation, std::initializer_list<float> values, std::uint32_t handle,
                         std::string text) {
    m_calls.push_back(
        RecordedCall{std::move(operation), handle, std::vector<float>(values), std::move(text)});
}

bool NullBackend::Initialize(const BackendSetup& setup) {
    Record("Initialize", {setup.windowWidth, setup.windowHeight, setup.screenWidth, setup.screenHeight,
                          Flag(setup.fullScreen)});
    m_gBuffer0 = TextureHandle{m_textures.Add(Texture{true})};
    m_gBuffer1 = TextureHandle{m_textures.Add(Texture{true})};
    m_shadowMap = TextureHandle{m_textures.Add(Texture{true})};
    return true;
}

void NullBackend::Shutdown() {
    m_buffers.Clear();
    m_textures.Clear();
}

void NullBackend::SetVsync(bool vsync) {
    Record("SetVsync", {Flag(vsync)});
}

void NullBackend::SetClearColor(const glm::vec4& colour) {
    Record("SetClearColor", {colour.r, colour.g, colour.b, colour.a});
}

bool NullBackend::ToggleFullscreen(bool fullScreen, float width, float height) {
    Record("ToggleFullscreen", {Flag(fullScreen), width, height});
    return true;
}

void NullBackend::Execute(const command::Command& command) {
    m_calls.push_back(RecordCommand(command));
}

bool NullBackend::InitializeOutling() {
    Record("InitializeOutling");
    return true;
}

void NullBackend::RenderGUI(const glm::mat4& world, TextureHandle texture, float opacity) {
    RecordedCall call{"RenderGUI", texture.id, {}, {}};
    call.values.reserve(17);
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            call.values.push_back(world[column][row]);
        }
    }
    call.values.push_back(opacity);
    m_calls.push_back(std::move(call));
}

void NullBackend::AnalyzeText(const TextLayout& layout, TextLayoutHandle handle, float x, float y,
                              std::uint32_t colour, std::uint32_t flags) {
    const auto channel = [colour](int shift) { return static_cast<float>((colour >> shift) & 0xFFu); };
    Record("AnalyzeText", {x, y, channel(0), channel(8), channel(16), channel(24), static_cast<float>(flags)},
           handle.id);
    m_pendingGlyphs += layout.glyphs.size();
}

void NullBackend::RenderTextGeometry(std::uint32_t flags) {
    Record("RenderTextGeometry", {static_cast<float>(flags)});
    if (m_pendingGlyphs > 0) {
        ++m_textDraws;
    }
    m_pendingGlyphs = 0;
}

BufferHandle NullBackend::CreateBuffer(BUFFERTYPE type, std::span<const std::byte> vertices) {
    const std::size_t stride = type == BUFFERTYPE_STATIC ? sizeof(Vertex) : sizeof(VertexAnimated);
    const BufferHandle buffer{m_buffers.Add(Buffer{vertices.size(), false})};
    Record("CreateBuffer", {static_cast<float>(type), static_cast<float>(vertices.size() / stride)},
           buffer.id);
    return buffer;
}

BufferHandle NullBackend::CreateDynamicBuffer(std::size_t byteWidth) {
    const BufferHandle buffer{m_buffers.Add(Buffer{byteWidth, true})};
    Record("CreateDynamicBuffer", {static_cast<float>(byteWidth)}, buffer.id);
    return buffer;
}

bool NullBackend::UpdateDynamicBuffer(BufferHandle buffer, std::span<const std::byte> bytes) {
    Record("UpdateDynamicBuffer", {static_cast<float>(bytes.size())}, buffer.id);
    const Buffer* entry = m_buffers.Find(buffer.id);
    return entry != nullptr && entry->dynamic && bytes.size() <= entry->byteWidth;
}

bool NullBackend::ReleaseBuffer(BufferHandle buffer) {
    Record("ReleaseBuffer", {}, buffer.id);
    return m_buffers.Remove(buffer.id).has_value();
}

TextureHandle NullBackend::Create2DTexture(const std::string& path, const ImageRGBA& image) {
    const TextureHandle texture{m_textures.Add(Texture{false})};
    Record("Create2DTexture", {static_cast<float>(image.width), static_cast<float>(image.height)}, texture.id,
           path);
    return texture;
}

TextureHandle NullBackend::CreateTextureFromPixels(int width, int height, std::span<const std::uint8_t>) {
    const TextureHandle texture{m_textures.Add(Texture{false})};
    Record("CreateTextureFromPixels", {static_cast<float>(width), static_cast<float>(height)}, texture.id);
    return texture;
}

bool NullBackend::ReleaseTexture(TextureHandle texture) {
    Record("ReleaseTexture", {}, texture.id);
    const Texture* entry = m_textures.Find(texture.id);
    if (entry == nullptr || entry->engineOwned) {
        return false;
    }
    m_textures.Remove(texture.id);
    return true;
}

bool NullBackend::AddInstanceBuffer(int, int count, std::span<const glm::mat4> matrices) {
    Record("AddInstanceBuffer", {static_cast<float>(count), static_cast<float>(matrices.size())});
    return true;
}

bool NullBackend::ReleaseInstanceBuffer(int index) {
    Record("ReleaseInstanceBuffer", {static_cast<float>(index)});
    return true;
}

bool NullBackend::UpdateInstanceBuffers(std::span<const glm::mat4> matrices, int index) {
    Record("UpdateInstanceBuffers", {static_cast<float>(matrices.size()), static_cast<float>(index)});
    return true;
}

}  // namespace Lumaspace
