#include "pictures/TextPainter.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "font/DisplayFont.h"
#include "pictures/Palette.h"

struct TextPainter::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

TextPainter::TextPainter() : m_face(std::make_unique<Face>()) {
    const std::vector<std::uint8_t>& font = DisplayFontFile();
    if (FT_Init_FreeType(&m_face->library) != 0) {
        m_face->library = nullptr;
        return;
    }
    if (FT_New_Memory_Face(m_face->library, font.data(), static_cast<FT_Long>(font.size()), 0,
                           &m_face->face) != 0) {
        m_face->face = nullptr;
    }
}

TextPainter::~TextPainter() {
    if (m_face->face != nullptr) {
        FT_Done_Face(m_face->face);
    }
    if (m_face->library != nullptr) {
        FT_Done_FreeType(m_face->library);
    }
}

bool TextPainter::Ready() const {
    return m_face->face != nullptr;
}

float TextPainter::Width(const std::string& text, int pixelSize) const {
    FT_Set_Pixel_Sizes(m_face->face, 0, static_cast<FT_UInt>(pixelSize));
    float width = 0.0f;
    for (char c : text) {
        if (FT_Load_Char(m_face->face, static_cast<FT_ULong>(static_cast<unsigned char>(c)),
                         FT_LOAD_DEFAULT) == 0) {
            width += static_cast<float>(m_face->face->glyph->advance.x) / 64.0f;
        }
    }
    return width;
}

void TextPainter::Render(Image& image, const std::string& text, glm::vec2 origin, int pixelSize,
                         const glm::vec4& color) const {
    FT_Set_Pixel_Sizes(m_face->face, 0, static_cast<FT_UInt>(pixelSize));
    float penX = origin.x;
    for (char c : text) {
        if (FT_Load_Char(m_face->face, static_cast<FT_ULong>(static_cast<unsigned char>(c)),
                         FT_LOAD_RENDER) != 0) {
            continue;
        }
        const FT_GlyphSlot glyph = m_face->face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const int left = static_cast<int>(std::lround(penX)) + glyph->bitmap_left;
        const int top = static_cast<int>(std::lround(origin.y)) - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const std::uint8_t value =
                    bitmap.buffer[static_cast<std::ptrdiff_t>(row) * bitmap.pitch + column];
                image.Blend(left + static_cast<int>(column), top + static_cast<int>(row), color,
                            static_cast<float>(value) / 255.0f);
            }
        }
        penX += static_cast<float>(glyph->advance.x) / 64.0f;
    }
}

void TextPainter::Draw(Image& image, const std::string& text, glm::vec2 center, float pixelHeight,
                       float maxWidth, const glm::vec4& color, bool shadow) const {
    if (!Ready() || text.empty()) {
        return;
    }
    // Capitals are 7/10 of the em in the display font.
    int size = std::max(6, static_cast<int>(std::lround(pixelHeight / 0.75f)));
    float width = Width(text, size);
    while (width > maxWidth && size > 6) {
        size = std::max(6, static_cast<int>(static_cast<float>(size) * maxWidth / width));
        width = Width(text, size);
        if (width > maxWidth) {
            --size;
        }
    }
    const float capHeight = static_cast<float>(size) * 0.75f;
    const glm::vec2 origin(center.x - width * 0.5f, center.y + capHeight * 0.5f);
    if (shadow) {
        const float offset = std::max(1.0f, static_cast<float>(size) / 16.0f);
        Render(image, text, origin + glm::vec2(offset), size,
               Palette::WithAlpha(Palette::kInk, 0.85f * color.a));
    }
    Render(image, text, origin, size, color);
}

const TextPainter& Lettering() {
    static const TextPainter painter;
    return painter;
}
