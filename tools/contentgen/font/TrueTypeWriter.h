// Writes a TrueType font file from glyph outlines made of straight on-curve contours: the tables a font
// loader needs (head, hhea, maxp, OS/2, hmtx, cmap, loca, glyf, name, post) with their checksums.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FontPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// A glyph in font units: closed polygons, each drawn clockwise (filled on the right); overlapping
// contours add up under the non-zero rule.
struct FontGlyph {
    std::vector<std::vector<FontPoint>> contours;
    std::uint16_t advance = 0;
    std::uint16_t character = 0;  // the character it shows; unused for the missing-character glyph
};

struct FontDescription {
    std::string family;
    std::string style;
    std::uint16_t unitsPerEm = 1024;
    std::int16_t ascender = 0;
    std::int16_t descender = 0;  // negative: below the baseline
    std::int16_t capHeight = 0;
    std::int16_t xHeight = 0;
    // glyphs[0] is the missing-character glyph; the others follow in increasing order of character.
    std::vector<FontGlyph> glyphs;
};

// The font file's bytes; fails (with the reason in error) when the description holds no characters, too
// many glyphs, characters out of order (or repeated, or U+FFFF) or a contour with fewer than three points.
bool WriteTrueType(const FontDescription& font, std::vector<std::uint8_t>& bytes, std::string& error);
