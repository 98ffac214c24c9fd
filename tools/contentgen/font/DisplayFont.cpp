#include "font/DisplayFont.h"

#include <cmath>
#include <string>

#include "font/GlyphSegments.h"
#include "font/Latin1Letters.h"
#include "font/TrueTypeWriter.h"

namespace {

// Font units per cell of the segment grid (baseline under row 6, descenders to row 8).
constexpr float kCell = 110.0f;
constexpr float kBaselineRow = 7.0f;
constexpr float kSlant = 0.14f;
// Strokes grow by this much (in cells) on each side; the start of a stroke more than its end.
constexpr float kGrowStart = 0.3f;
constexpr float kGrowEnd = 0.16f;

FontPoint ToFont(float x, float y) {
    const float up = (kBaselineRow - y) * kCell;
    const float right = x * kCell + 40.0f + up * kSlant;
    return {static_cast<std::int16_t>(std::lround(right)), static_cast<std::int16_t>(std::lround(up))};
}

// A segment as a tapered stroke: horizontal ones run left to right, vertical ones top to bottom; the
// points go clockwise in font space (y up).
std::vector<FontPoint> Stroke(const Segment& q) {
    if (q.Horizontal()) {
        return {ToFont(q.x0 - kGrowStart, q.y1 + kGrowStart), ToFont(q.x0 - kGrowStart, q.y0 - kGrowStart),
                ToFont(q.x1 + kGrowEnd, q.y0 - kGrowEnd), ToFont(q.x1 + kGrowEnd, q.y1 + kGrowEnd)};
    }
    return {ToFont(q.x0 - kGrowStart, q.y0 - kGrowStart), ToFont(q.x1 + kGrowStart, q.y0 - kGrowStart),
            ToFont(q.x1 + kGrowEnd, q.y1 + kGrowEnd), ToFont(q.x0 - kGrowEnd, q.y1 + kGrowEnd)};
}

FontGlyph GlyphOf(int character, const SegmentLetter& letter) {
    FontGlyph glyph;
    glyph.character = static_cast<std::uint16_t>(character);
    for (const Segment& segment : letter.segments) {
        glyph.contours.push_back(Stroke(segment));
    }
    glyph.advance =
        static_cast<std::uint16_t>(std::lround((static_cast<float>(letter.advance) + 0.6f) * kCell));
    return glyph;
}

// An open box for characters the font lacks.
FontGlyph MissingGlyph() {
    FontGlyph glyph;
    glyph.contours.push_back(
        {ToFont(0.0f, 7.0f), ToFont(0.0f, 0.0f), ToFont(4.0f, 0.0f), ToFont(4.0f, 7.0f)});
    glyph.contours.push_back(
        {ToFont(0.8f, 6.2f), ToFont(3.2f, 6.2f), ToFont(3.2f, 0.8f), ToFont(0.8f, 0.8f)});
    glyph.advance = static_cast<std::uint16_t>(std::lround(5.6f * kCell));
    return glyph;
}

std::vector<std::uint8_t> Build() {
    FontDescription font;
    font.family = "Ombrin Brush";
    font.style = "Bold";
    font.unitsPerEm = 1024;
    // The line keeps the height of the ASCII letters; marks over capitals reach above it.
    font.ascender = static_cast<std::int16_t>(std::lround(8.0f * kCell));
    font.descender = static_cast<std::int16_t>(std::lround(-2.6f * kCell));
    font.capHeight = static_cast<std::int16_t>(std::lround(7.0f * kCell));
    font.xHeight = static_cast<std::int16_t>(std::lround(5.0f * kCell));
    font.glyphs.push_back(MissingGlyph());
    for (int c = ' '; c <= '~'; ++c) {
        font.glyphs.push_back(GlyphOf(c, AsciiLetter(static_cast<char>(c))));
    }
    for (int c = kFirstLatin1Letter; c <= kLastLatin1Letter; ++c) {
        font.glyphs.push_back(GlyphOf(c, Latin1Letter(c)));
    }
    std::vector<std::uint8_t> bytes;
    std::string error;
    // The description above is fixed and valid, so writing cannot fail.
    WriteTrueType(font, bytes, error);
    return bytes;
}

}  // namespace

const std::vector<std::uint8_t>& DisplayFontFile() {
    static const std::vector<std::uint8_t> bytes = Build();
    return bytes;
}
