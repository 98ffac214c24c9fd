#include "text/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Lumaspace {

namespace {

// A glyph of the line being laid out, before the line's alignment is known.
struct LineGlyph {
    std::uint32_t glyph;
    std::int64_t pen;  // 26.6 pixels from the line's start
    int left;
    int top;
    int width;
    int rows;
};

// floor(value / 64) for 26.6 values of either sign.
int FloorPixels(std::int64_t value) {
    return static_cast<int>(value >= 0 ? value / 64 : -((-value + 63) / 64));
}

struct InkBox {
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    int bottom = std::numeric_limits<int>::min();

    void Add(int x, int y, int width, int rows) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + width);
        bottom = std::max(bottom, y + rows);
    }
    bool Empty() const { return right <= left || bottom <= top; }
};

int CountLines(const std::string& text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

}  // namespace

void LayOutText(TextLayout& layout) {
    layout.glyphs.clear();
    layout.metrics = {};
    const float scaled = std::isfinite(layout.size) ? layout.size * 64.0f : 0.0f;
    layout.size26 = static_cast<std::int32_t>(
        std::clamp(std::lround(scaled), 1L, static_cast<long>(Font::kLargestSize26)));
    Font* font = layout.font;
    if (font == nullptr || !font->Loaded()) {
        return;
    }
    const LineMetrics lines = font->Lines(layout.size26);
    const std::string& text = layout.text;
    const std::int64_t blockHeight = static_cast<std::int64_t>(CountLines(text)) * lines.lineHeight;
    const int blockTop = static_cast<int>(-blockHeight / 2);

    InkBox ink;
    std::vector<LineGlyph> line;
    int lineIndex = 0;
    const auto finishLine = [&](std::int64_t advance) {
        const std::int64_t start = layout.alignment == kTextAlignLeading    ? 0
                                   : layout.alignment == kTextAlignTrailing ? -advance
                                                                            : -advance / 2;
        const int baseline = blockTop + lineIndex * lines.lineHeight + lines.ascender;
        for (const LineGlyph& glyph : line) {
            const int x = FloorPixels(start + glyph.pen + 32);
            layout.glyphs.push_back({glyph.glyph, x, baseline});
            ink.Add(x + glyph.left, baseline - glyph.top, glyph.width, glyph.rows);
        }
        line.clear();
        ++lineIndex;
    };

    std::int64_t pen = 0;
    std::int64_t lineEnd = 0;  // the pen after the line's last character other than a space: spaces at the
                               // end of a line hang past it and do not move the line
    std::uint32_t previous = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto character = static_cast<unsigned char>(text[i]);
        if (character == '\n' || character == '\r') {
            if (character == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            finishLine(lineEnd);
            pen = 0;
            lineEnd = 0;
            previous = 0;
            continue;
        }
        const std::uint32_t glyph = font->GlyphOf(character);
        pen += font->Kerning(previous, glyph, layout.size26);
        previous = glyph;
        const GlyphImage* image = font->Glyph(glyph, layout.size26);
        if (image == nullptr) {
            continue;  // a glyph FreeType cannot load is left out
        }
        if (image->width > 0 && image->rows > 0) {
            line.push_back({glyph, pen, image->left, image->top, image->width, image->rows});
        }
        pen += image->advance;
        if (character != ' ' && character != '\t') {
            lineEnd = pen;
        }
    }
    finishLine(lineEnd);

    if (!ink.Empty()) {
        layout.metrics = {static_cast<float>(ink.left), static_cast<float>(ink.top),
                          static_cast<float>(ink.right - ink.left), static_cast<float>(ink.bottom - ink.top)};
    }
}

}  // namespace Lumaspace
