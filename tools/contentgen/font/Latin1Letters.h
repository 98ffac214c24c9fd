// The display font's letters for the Latin-1 supplement (U+00A0..U+00FF) on the segment grid: accented
// letters are the ASCII letter with its mark one row above it (the cedilla under it), the other letters and
// signs are drawn cell by cell in the same style.
#pragma once

#include "font/GlyphSegments.h"

inline constexpr int kFirstLatin1Letter = 0xA0;
inline constexpr int kLastLatin1Letter = 0xFF;

// The letter of character c in kFirstLatin1Letter..kLastLatin1Letter; U+00A0 (no-break space) is blank with
// the advance of a space.
SegmentLetter Latin1Letter(int c);
