// A laid-out text: the glyphs of a Latin-1 string placed against an anchor at one font and size, and their
// ink box. Layout runs on the CPU, so both back ends share it and its metrics need no GL.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Lumagrid/TextTypes.h"
#include "text/Font.h"

namespace Lumaspace {

struct PlacedGlyph {
    std::uint32_t glyph = 0;
    int x = 0;  // pen position on the baseline relative to the anchor, back-buffer pixels, y down
    int y = 0;
};

struct TextLayout {
    FontFace face = FontFace::Display;
    Font* font = nullptr;  // null or not loaded: the layout holds no glyphs
    std::string text;      // one Latin-1 character per byte
    float size = 0.0f;     // em size in back-buffer pixels
    int alignment = kTextAlignCentre;

    // Filled by LayOutText.
    std::int32_t size26 = 0;
    std::vector<PlacedGlyph> glyphs;  // only glyphs with ink, in text order
    TextMetrics metrics;
};

// Places the text with its font, size and alignment. Lines break at "\n" (and at "\r\n" or a lone "\r") and
// never wrap; every line's advance (without the spaces that end it) is aligned against the anchor by the
// alignment, and the block of lines is centred vertically on it. Glyphs land on whole pixels. Characters the font lacks show its .notdef glyph.
void LayOutText(TextLayout& layout);

}  // namespace Lumaspace
