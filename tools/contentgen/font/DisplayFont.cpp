#include "font/DisplayFont.h"

#include <cmath>
#include <string>

#include <stb/stb_easy_font.h>

#include "font/TrueTypeWriter.h"

namespace {

// Font units per cell of the segment font's 5 x 7 grid (baseline at row 7, descenders to row 9).
constexpr float kCell = 110.0f;
constexpr float kBaselineRow = 7.0f;
constexpr float kSlant = 0.14f;
// Strokes grow by this much (in cells) on each side; the start of a stroke more than its end.
constexpr float kGrowStart = 0.3f;
constexpr float kGrowEnd = 0.16f;

struct Quad {
    float x0, y0, x1, y1;  // cells, y downwards
};

std::vector<Quad> SegmentsOf(char c) {
    char text[2] = {c, '\0'};
    float vertices[4 * 4 * 64];  // x, y, z and a packed colour per vertex, four vertices per quad
    const int quads = stb_easy_font_print(0.0f, 0.0f, text, nullptr, vertices, sizeof(vertices));
    std::vector<Quad> result;
    for (int q = 0; q < quads; ++q) {
        const float* v = vertices + q * 16;
        Quad quad{v[0], v[1], v[0], v[1]};
        for (int k = 1; k < 4; ++k) {
            quad.x0 = std::fmin(quad.x0, v[k * 4]);
            quad.y0 = std::fmin(quad.y0, v[k * 4 + 1]);
            quad.x1 = std::fmax(quad.x1, v[k * 4]);
            quad.y1 = std::fmax(quad.y1, v[k * 4 + 1]);
        }
        result.push_back(quad);
    }
    return result;
}

FontPoint ToFont(float x, float y) {
    const float up = (kBaselineRow - y) * kCell;
    const float right = x * kCell + 40.0f + up * kSlant;
    return {static_cast<std::int16_t>(std::lround(right)), static_cast<std::int16_t>(std::lround(up))};
}

// A segment as a tapered stroke: horizontal ones run left to right, vertical ones top to bottom; the
// points go clockwise in font space (y up).
std::vector<FontPoint> Stroke(const Quad& q) {
    const bool horizontal = (q.x1 - q.x0) >= (q.y1 - q.y0);
    if (horizontal) {
        return {ToFont(q.x0 - kGrowStart, q.y1 + kGrowStart), ToFont(q.x0 - kGrowStart, q.y0 - kGrowStart),
                ToFont(q.x1 + kGrowEnd, q.y0 - kGrowEnd), ToFont(q.x1 + kGrowEnd, q.y1 + kGrowEnd)};
    }
    return {ToFont(q.x0 - kGrowStart, q.y0 - kGrowStart), ToFont(q.x1 + kGrowStart, q.y0 - kGrowStart),
            ToFont(q.x1 + kGrowEnd, q.y1 + kGrowEnd), ToFont(q.x0 - kGrowEnd, q.y1 + kGrowEnd)};
}

FontGlyph GlyphOf(char c) {
    FontGlyph glyph;
    for (const Quad& quad : SegmentsOf(c)) {
        glyph.contours.push_back(Stroke(quad));
    }
    char text[2] = {c, '\0'};
    glyph.advance = static_cast<std::uint16_t>(std::lround((stb_easy_font_width(text) + 0.6f) * kCell));
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
    font.ascender = static_cast<std::int16_t>(std::lround(8.0f * kCell));
    font.descender = static_cast<std::int16_t>(std::lround(-2.6f * kCell));
    font.capHeight = static_cast<std::int16_t>(std::lround(7.0f * kCell));
    font.xHeight = static_cast<std::int16_t>(std::lround(5.0f * kCell));
    font.firstChar = static_cast<std::uint16_t>(kFirstFontChar);
    font.glyphs.push_back(MissingGlyph());
    for (char c = kFirstFontChar; c <= kLastFontChar; ++c) {
        font.glyphs.push_back(GlyphOf(c));
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
