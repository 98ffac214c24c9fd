// One font file loaded with FreeType: the glyph of every Latin-1 character, line metrics per size and a cache
// of rasterised glyphs per size. Sizes are em sizes in 26.6 fixed point (64 units per back-buffer pixel).
// FreeType stays inside Font.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace Lumaspace {

// A glyph as FreeType rasterised it: its advance and its coverage bitmap placed against the pen position on
// the baseline. A glyph without ink (a space) has an empty bitmap.
struct GlyphImage {
    std::int32_t advance = 0;  // 26.6 pixels
    int left = 0;              // the bitmap's left column, from the pen position
    int top = 0;               // the bitmap's top row, pixels above the baseline
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;  // width x rows bytes, top row first
};

// Whole pixels at one size.
struct LineMetrics {
    int ascender = 0;    // from the top of a line to its baseline
    int lineHeight = 0;  // from one baseline to the next
};

class Font {
public:
    Font();
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Reads the whole file and opens its first face. False, with the reason in error and the font left
    // unloaded, when the file is missing, too large or not a font FreeType reads.
    bool Load(const std::string& path, std::string& error);
    bool Loaded() const { return m_face != nullptr; }

    // The glyph index of a Latin-1 character (the Unicode character of the same number); 0, the font's
    // .notdef glyph, when the font has none.
    std::uint32_t GlyphOf(unsigned char character) const { return m_characterGlyphs[character]; }

    LineMetrics Lines(std::int32_t size26);
    // Kerning between two glyphs at the size, 26.6 pixels; 0 for fonts without kerning.
    std::int32_t Kerning(std::uint32_t left, std::uint32_t right, std::int32_t size26);
    // The glyph at the size, rasterised on first use; null when FreeType cannot load it. The pointer stays
    // valid until the next call of Glyph (the cache is emptied when it grows too large).
    const GlyphImage* Glyph(std::uint32_t glyph, std::int32_t size26);

    // Largest em size a layout may ask for, and the limits of what the cache keeps.
    static constexpr std::int32_t kLargestSize26 = 512 * 64;
    static constexpr std::size_t kCacheBytes = 16u << 20;
    static constexpr std::size_t kCacheGlyphs = 8192;

private:
    bool SelectSize(std::int32_t size26);
    void Unload();

    FT_LibraryRec_* m_library = nullptr;
    FT_FaceRec_* m_face = nullptr;
    std::vector<unsigned char> m_file;  // FreeType reads the face from this memory for as long as it is open
    std::array<std::uint32_t, 256> m_characterGlyphs{};
    bool m_hasKerning = false;
    std::int32_t m_selectedSize26 = 0;
    std::unordered_map<std::int32_t, LineMetrics> m_lines;
    std::unordered_map<std::uint64_t, GlyphImage> m_glyphs;
    std::size_t m_cachedBytes = 0;
};

}  // namespace Lumaspace
