// Opaque names of engine resources held by the client. The value 0 names nothing; the engine never hands out
// the same value twice during one run, so a released handle stays dead.
#pragma once

#include <cstdint>

namespace Lumaspace {

// A vertex buffer: static (CreateBuffer) or dynamic (CreateDynamicBuffer).
struct BufferHandle {
    std::uint32_t id = 0;

    explicit operator bool() const { return id != 0; }
    friend bool operator==(BufferHandle, BufferHandle) = default;
};

// A texture the shaders sample: loaded from a file, made from pixels, or one of the engine's own targets.
struct TextureHandle {
    std::uint32_t id = 0;

    explicit operator bool() const { return id != 0; }
    friend bool operator==(TextureHandle, TextureHandle) = default;
};

// A laid-out line of text (font, size, alignment and the glyphs' places), ready to be drawn by the text pass.
struct TextLayoutHandle {
    std::uint32_t id = 0;

    explicit operator bool() const { return id != 0; }
    friend bool operator==(TextLayoutHandle, TextLayoutHandle) = default;
};

}  // namespace Lumaspace
