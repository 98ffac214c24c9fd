#include "text/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace Lumaspace {

namespace {

// Larger files are refused rather than read whole into memory; real fonts are far smaller.
constexpr std::uintmax_t kLargestFile = 64u << 20;
// Bitmaps beyond this side are not kept: they come only from broken fonts, no size the engine accepts
// produces them.
constexpr int kLargestBitmapSide = 4096;

// Whole pixels nearest to a 26.6 value.
int RoundPixels(FT_Pos value) {
    const FT_Pos clamped = std::clamp<FT_Pos>(value, -(FT_Pos{1} << 36), FT_Pos{1} << 36);
    return static_cast<int>((clamped + 32) >> 6);  // an arithmetic shift: floor for negative values too
}

// A damaged font can declare metrics far beyond its em; nothing real exceeds 16 ems, and keeping every
// distance within that keeps the layout's pixel sums (up to 65536 characters or lines) inside an int.
constexpr FT_Pos kLargestEms = 16;

FT_Pos Limit(std::int32_t size26) {
    return kLargestEms * (static_cast<FT_Pos>(size26) + 63);
}

std::int32_t Clamp26(FT_Pos value, std::int32_t size26) {
    return static_cast<std::int32_t>(std::clamp<FT_Pos>(value, -Limit(size26), Limit(size26)));
}

}  // namespace

Font::Font() = default;

Font::~Font() {
    Unload();
}

void Font::Unload() {
    if (m_face != nullptr) {
        FT_Done_Face(m_face);
        m_face = nullptr;
    }
    if (m_library != nullptr) {
        FT_Done_FreeType(m_library);
        m_library = nullptr;
    }
    m_file.clear();
    m_characterGlyphs.fill(0);
    m_hasKerning = false;
    m_selectedSize26 = 0;
    m_lines.clear();
    m_glyphs.clear();
    m_cachedBytes = 0;
}

bool Font::Load(const std::string& path, std::string& error) {
    Unload();
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code)) {
        error = "the file does not exist";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, code);
    if (code || size == 0 || size > kLargestFile) {
        error =
            code ? "its size cannot be read" : (size == 0 ? "the file is empty" : "the file is too large");
        return false;
    }
    m_file.resize(static_cast<std::size_t>(size));
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(m_file.data()), static_cast<std::streamsize>(m_file.size()))) {
        error = "the file cannot be read";
        Unload();
        return false;
    }
    if (FT_Init_FreeType(&m_library) != 0) {
        error = "FreeType does not start";
        Unload();
        return false;
    }
    const FT_Error opened =
        FT_New_Memory_Face(m_library, m_file.data(), static_cast<FT_Long>(m_file.size()), 0, &m_face);
    if (opened != 0 || m_face == nullptr || !FT_IS_SCALABLE(m_face)) {
        error = opened != 0 ? "FreeType does not read it as a font (error " + std::to_string(opened) + ")"
                            : "it has no scalable outlines";
        m_face = opened != 0 ? nullptr : m_face;
        Unload();
        return false;
    }
    // Latin-1 bytes are the first 256 Unicode characters; a font without a Unicode map keeps its default one.
    FT_Select_Charmap(m_face, FT_ENCODING_UNICODE);
    for (unsigned character = 0; character < m_characterGlyphs.size(); ++character) {
        m_characterGlyphs[character] = FT_Get_Char_Index(m_face, character);
    }
    m_hasKerning = FT_HAS_KERNING(m_face);
    return true;
}

bool Font::SelectSize(std::int32_t size26) {
    if (m_face == nullptr || size26 < 1 || size26 > kLargestSize26) {
        return false;
    }
    if (m_selectedSize26 == size26) {
        return true;
    }
    m_selectedSize26 = 0;
    if (FT_Set_Char_Size(m_face, 0, size26, 72, 72) != 0) {
        return false;
    }
    m_selectedSize26 = size26;
    return true;
}

LineMetrics Font::Lines(std::int32_t size26) {
    if (auto found = m_lines.find(size26); found != m_lines.end()) {
        return found->second;
    }
    if (!SelectSize(size26)) {
        return {};
    }
    const FT_Size_Metrics& metrics = m_face->size->metrics;
    LineMetrics lines;
    lines.ascender = RoundPixels(Clamp26(metrics.ascender, size26));
    lines.lineHeight = RoundPixels(Clamp26(metrics.height, size26));
    if (lines.lineHeight <= 0) {
        // A font that declares no line spacing still gets lines one em apart.
        lines.lineHeight = std::max(1, RoundPixels(size26));
    }
    if (m_lines.size() >= kCacheGlyphs) {
        m_lines.clear();  // sizes animated in small steps must not grow it without bound
    }
    m_lines.emplace(size26, lines);
    return lines;
}

std::int32_t Font::Kerning(std::uint32_t left, std::uint32_t right, std::int32_t size26) {
    if (!m_hasKerning || left == 0 || right == 0 || !SelectSize(size26)) {
        return 0;
    }
    FT_Vector delta{};
    if (FT_Get_Kerning(m_face, left, right, FT_KERNING_DEFAULT, &delta) != 0) {
        return 0;
    }
    return Clamp26(delta.x, size26);
}

const GlyphImage* Font::Glyph(std::uint32_t glyph, std::int32_t size26) {
    const std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(size26)) << 32) | glyph;
    if (auto found = m_glyphs.find(key); found != m_glyphs.end()) {
        return &found->second;
    }
    if (!SelectSize(size26) || FT_Load_Glyph(m_face, glyph, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) {
        return nullptr;
    }
    FT_GlyphSlot slot = m_face->glyph;
    GlyphImage image;
    image.advance = Clamp26(slot->advance.x, size26);
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0) {
        const FT_Bitmap& bitmap = slot->bitmap;
        const int width = static_cast<int>(bitmap.width);
        const int rows = static_cast<int>(bitmap.rows);
        const int pitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.buffer != nullptr && width > 0 && rows > 0 &&
            width <= kLargestBitmapSide && rows <= kLargestBitmapSide && pitch >= width) {
            const auto pixels = static_cast<int>(Limit(size26) / 64);
            image.left = std::clamp(slot->bitmap_left, -pixels, pixels);
            image.top = std::clamp(slot->bitmap_top, -pixels, pixels);
            image.width = width;
            image.rows = rows;
            image.coverage.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows));
            for (int row = 0; row < rows; ++row) {
                // A negative pitch stores the rows bottom first.
                const int stored = bitmap.pitch < 0 ? rows - 1 - row : row;
                const unsigned char* source =
                    bitmap.buffer + static_cast<std::size_t>(stored) * static_cast<std::size_t>(pitch);
                std::copy(source, source + width,
                          image.coverage.begin() + static_cast<std::ptrdiff_t>(row) * width);
            }
        }
    }
    if (m_glyphs.size() >= kCacheGlyphs || m_cachedBytes + image.coverage.size() > kCacheBytes) {
        m_glyphs.clear();
        m_cachedBytes = 0;
    }
    m_cachedBytes += image.coverage.size() + sizeof(GlyphImage);
    return &m_glyphs.emplace(key, std::move(image)).first->second;
}

}  // namespace Lumaspace
