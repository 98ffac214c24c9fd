// The display font's letters as segments on the grid of a blocky segment font: each segment a bar one cell
// thick, in cells with y downwards, capitals on rows 0..6, the x-height at row 2, the baseline under row 6
// and descenders on rows 7 and 8.
#pragma once

#include <string_view>
#include <vector>

struct Segment {
    float x0, y0, x1, y1;  // cells, y downwards

    bool Horizontal() const { return (x1 - x0) >= (y1 - y0); }
};

struct SegmentLetter {
    std::vector<Segment> segments;
    int advance = 0;  // cells from this letter's origin to the next one's
};

// The letter of a printable ASCII character, from the public-domain segment font stb_easy_font.
SegmentLetter AsciiLetter(char c);

// A letter drawn as rows of '#' (ink) and '.' (blank), the first row on grid row top: every run of two or
// more cells across or down becomes one segment, and a cell in no such run a segment of its own. The
// advance is the widest row plus two cells of spacing, as in the segment font.
SegmentLetter ArtLetter(const std::vector<std::string_view>& rows, int top);

// The columns and rows a letter's segments cover: x0 <= x < x1, y0 <= y < y1.
Segment InkBox(const std::vector<Segment>& segments);
