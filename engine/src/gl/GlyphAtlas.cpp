#include "gl/GlyphAtlas.h"

#include <algorithm>

#include "gl/GLObjects.h"

namespace Lumaspace {

namespace {

// Empty texels between glyphs, so that no glyph ever reads a neighbour's coverage.
constexpr int kPadding = 1;

std::uint64_t SlotKey(FontFace face, std::uint32_t glyph, std::int32_t size26) {
    return (static_cast<std::uint64_t>(face == FontFace::System ? 1 : 0) << 56) |
           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(size26) & 0xFFFFFFu) << 32) | glyph;
}

// Keeps the unpack alignment and the active unit's texture across an upload.
class ScopedUpload {
public:
    explicit ScopedUpload(GLuint texture) {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &m_alignment);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &m_texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glBindTexture(GL_TEXTURE_2D, texture);
    }
    ~ScopedUpload() {
        glPixelStorei(GL_UNPACK_ALIGNMENT, m_alignment);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(m_texture));
    }
    ScopedUpload(const ScopedUpload&) = delete;
    ScopedUpload& operator=(const ScopedUpload&) = delete;

private:
    GLint m_alignment = 4;
    GLint m_texture = 0;
};

}  // namespace

bool GlyphAtlas::Initialize(int largestSide) {
    m_largestSide = std::max(kFirstSide, largestSide);
    m_side = kFirstSide;
    m_pixels.assign(static_cast<std::size_t>(m_side) * static_cast<std::size_t>(m_side), 0);
    DrainGLErrors();
    glGenTextures(1, &m_texture);
    {
        ScopedUpload upload(m_texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, m_side, m_side, 0, GL_RED, GL_UNSIGNED_BYTE, m_pixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    return DrainGLErrors();
}

void GlyphAtlas::Shutdown() {
    if (m_texture != 0) {
        glDeleteTextures(1, &m_texture);
        m_texture = 0;
    }
    m_pixels.clear();
    m_shelves.clear();
    m_slots.clear();
    m_nextShelf = 0;
    m_side = 0;
    m_full = false;
}

const GlyphAtlas::Slot* GlyphAtlas::Find(FontFace face, Font& font, std::uint32_t glyph,
                                         std::int32_t size26) {
    const std::uint64_t key = SlotKey(face, glyph, size26);
    if (auto found = m_slots.find(key); found != m_slots.end()) {
        return found->second.width > 0 ? &found->second : nullptr;
    }
    if (m_texture == 0) {
        return nullptr;
    }
    const GlyphImage* image = font.Glyph(glyph, size26);
    if (image == nullptr) {
        return nullptr;
    }
    Slot slot;
    if (image->width > 0 && image->rows > 0) {
        int x = 0;
        int y = 0;
        while (!Place(image->width + kPadding, image->rows + kPadding, x, y)) {
            if (!Grow()) {
                m_full = true;
                return nullptr;
            }
        }
        slot = {x, y, image->width, image->rows, image->left, image->top};
        for (int row = 0; row < image->rows; ++row) {
            const auto source = image->coverage.begin() + static_cast<std::ptrdiff_t>(row) * image->width;
            std::copy(source, source + image->width,
                      m_pixels.begin() + static_cast<std::ptrdiff_t>(y + row) * m_side + x);
        }
        Upload(x, y, image->width, image->rows);
    }
    Slot& stored = m_slots.emplace(key, slot).first->second;
    return stored.width > 0 ? &stored : nullptr;
}

bool GlyphAtlas::Place(int width, int height, int& x, int& y) {
    // The lowest shelf the glyph fits, among shelves not much taller than it; else a new shelf.
    Shelf* best = nullptr;
    for (Shelf& shelf : m_shelves) {
        if (shelf.height >= height && shelf.height <= height + height / 2 + 2 &&
            shelf.used + width <= m_side && (best == nullptr || shelf.height < best->height)) {
            best = &shelf;
        }
    }
    if (best == nullptr) {
        if (width > m_side || m_nextShelf + height > m_side) {
            return false;
        }
        m_shelves.push_back({m_nextShelf, height, 0});
        m_nextShelf += height;
        best = &m_shelves.back();
    }
    x = best->used;
    y = best->y;
    best->used += width;
    return true;
}

bool GlyphAtlas::Grow() {
    if (m_side >= m_largestSide) {
        return false;
    }
    // Shelves keep their rows and gain the new columns; the space below the last shelf grows too.
    const int side = std::min(m_side * 2, m_largestSide);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0);
    for (int row = 0; row < m_side; ++row) {
        const auto source = m_pixels.begin() + static_cast<std::ptrdiff_t>(row) * m_side;
        std::copy(source, source + m_side, pixels.begin() + static_cast<std::ptrdiff_t>(row) * side);
    }
    DrainGLErrors();
    {
        ScopedUpload upload(m_texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, side, side, 0, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
    }
    if (!DrainGLErrors()) {
        // The driver refused the larger texture: restore the old one and treat the atlas as full.
        ScopedUpload upload(m_texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, m_side, m_side, 0, GL_RED, GL_UNSIGNED_BYTE, m_pixels.data());
        m_largestSide = m_side;
        return false;
    }
    m_side = side;
    m_pixels = std::move(pixels);
    return true;
}

void GlyphAtlas::Upload(int x, int y, int width, int height) const {
    ScopedUpload upload(m_texture);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, m_side);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, width, height, GL_RED, GL_UNSIGNED_BYTE,
                    m_pixels.data() + static_cast<std::ptrdiff_t>(y) * m_side + x);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

bool GlyphAtlas::StartOverIfFull() {
    if (!m_full) {
        return false;
    }
    std::fill(m_pixels.begin(), m_pixels.end(), std::uint8_t{0});
    m_shelves.clear();
    m_slots.clear();
    m_nextShelf = 0;
    m_full = false;
    return true;
}

}  // namespace Lumaspace
