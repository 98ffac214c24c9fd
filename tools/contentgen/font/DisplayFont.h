// The game's display face: a bold, slanted, blocky brush letter for every printable ASCII character and
// every character of the Latin-1 supplement (U+00A0..U+00FF), written as a TrueType file. The strokes come
// from a public-domain segment font (stb_easy_font), with the Latin-1 letters built on the same grid, and
// are thickened, tapered like brush strokes and slanted.
#pragma once

#include <cstdint>
#include <vector>

// The font file's bytes, built once; identical on every run.
const std::vector<std::uint8_t>& DisplayFontFile();
