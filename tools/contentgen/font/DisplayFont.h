// The game's display face: a bold, slanted, blocky brush letter for every printable ASCII character,
// written as a TrueType file. The strokes come from a public-domain segment font (stb_easy_font) and are
// thickened, tapered like brush strokes and slanted.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr char kFirstFontChar = ' ';
inline constexpr char kLastFontChar = '~';

// The font file's bytes, built once; identical on every run.
const std::vector<std::uint8_t>& DisplayFontFile();
