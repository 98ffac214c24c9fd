#include "font/Latin1Letters.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

using Art = std::vector<std::string_view>;

enum class Mark { Grave, Acute, Circumflex, Tilde, Diaeresis, Ring, Cedilla };

struct Accented {
    int character;
    char base;
    Mark mark;
};

// The capitals; each small letter is its capital's character plus 0x20 on the small base letter.
constexpr Accented kAccentedCapitals[] = {
    {0xC0, 'A', Mark::Grave},      {0xC1, 'A', Mark::Acute},      {0xC2, 'A', Mark::Circumflex},
    {0xC3, 'A', Mark::Tilde},      {0xC4, 'A', Mark::Diaeresis},  {0xC5, 'A', Mark::Ring},
    {0xC7, 'C', Mark::Cedilla},    {0xC8, 'E', Mark::Grave},      {0xC9, 'E', Mark::Acute},
    {0xCA, 'E', Mark::Circumflex}, {0xCB, 'E', Mark::Diaeresis},  {0xCC, 'I', Mark::Grave},
    {0xCD, 'I', Mark::Acute},      {0xCE, 'I', Mark::Circumflex}, {0xCF, 'I', Mark::Diaeresis},
    {0xD1, 'N', Mark::Tilde},      {0xD2, 'O', Mark::Grave},      {0xD3, 'O', Mark::Acute},
    {0xD4, 'O', Mark::Circumflex}, {0xD5, 'O', Mark::Tilde},      {0xD6, 'O', Mark::Diaeresis},
    {0xD9, 'U', Mark::Grave},      {0xDA, 'U', Mark::Acute},      {0xDB, 'U', Mark::Circumflex},
    {0xDC, 'U', Mark::Diaeresis},  {0xDD, 'Y', Mark::Acute},
};
constexpr Accented kAccentedWithoutCapital[] = {{0xFF, 'y', Mark::Diaeresis}};

struct Drawn {
    int character;
    int top;  // the grid row of the first art row
    Art art;
};

// Letters and signs without an ASCII base.
const std::vector<Drawn>& DrawnLetters() {
    static const std::vector<Drawn> letters = {
        {0xA1, 0, {"#", ".", ".", "#", "#", "#", "#"}},
        {0xA2, 1, {"..#.", ".###", "#.#.", "#.#.", "#.#.", ".###", "..#."}},
        {0xA3, 0, {"..##", ".#..", ".#..", "###.", ".#..", ".#..", "####"}},
        {0xA4, 1, {"#...#", ".###.", ".#.#.", ".###.", "#...#"}},
        {0xA5, 0, {"#...#", ".#.#.", "#####", "..#..", "#####", "..#..", "..#.."}},
        {0xA6, 0, {"#", "#", "#", ".", "#", "#", "#"}},
        {0xA7, 0, {".###", "#...", ".##.", "#..#", ".##.", "...#", "###."}},
        {0xA8, 0, {"#.#"}},
        {0xA9, 0, {".#####.", "#.....#", "#..##.#", "#.#...#", "#..##.#", "#.....#", ".#####."}},
        {0xAA, 0, {".##", "#.#", ".##", "...", "###"}},
        {0xAB, 2, {".#.#", "#.#.", ".#.#"}},
        {0xAC, 3, {"####", "...#"}},
        {0xAE, 0, {".#####.", "#.....#", "#.##..#", "#.#.#.#", "#.##..#", "#.#.#.#", ".#####."}},
        {0xAF, 0, {"####"}},
        {0xB0, 0, {"###", "#.#", "###"}},
        {0xB1, 1, {"..#..", "#####", "..#..", ".....", "#####"}},
        {0xB2, 0, {"##.", "..#", ".#.", "#..", "###"}},
        {0xB3, 0, {"##.", "..#", ".#.", "..#", "##."}},
        {0xB4, 0, {".#", "#."}},
        {0xB5, 2, {"#..#", "#..#", "#..#", "#..#", "####", "#...", "#..."}},
        {0xB6, 0, {".###", "##.#", "##.#", ".#.#", ".#.#", ".#.#", ".#.#"}},
        {0xB7, 3, {"#"}},
        {0xB8, 7, {".#", "#."}},
        {0xB9, 0, {".#", "##", ".#", ".#", ".#"}},
        {0xBA, 0, {".#.", "#.#", ".#.", "...", "###"}},
        {0xBB, 2, {"#.#.", ".#.#", "#.#."}},
        {0xBC,
         0,
         {".#...#...", "##...#...", ".#..#.#.#", ".#..#.#.#", ".#..#.###", "...#....#", "...#....#"}},
        {0xBD,
         0,
         {".#...#...", "##...#...", ".#..#.##.", ".#..#...#", ".#..#..#.", "...#..#..", "...#..###"}},
        {0xBE,
         0,
         {"##...#...", "..#..#...", ".#..#.#.#", "..#.#.#.#", "##..#.###", "...#....#", "...#....#"}},
        {0xBF, 0, {"..#..", ".....", "..#..", ".#...", "#....", "#...#", ".###."}},
        {0xC6, 0, {".#####", "#..#..", "#..#..", "#####.", "#..#..", "#..#..", "#..###"}},
        {0xD0, 0, {".###.", ".#..#", ".#..#", "###.#", ".#..#", ".#..#", ".###."}},
        {0xD7, 2, {"#.#", ".#.", "#.#"}},
        {0xD8, 0, {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
        {0xDE, 0, {"#...", "###.", "#..#", "#..#", "###.", "#...", "#..."}},
        {0xDF, 0, {".##.", "#..#", "#..#", "#.#.", "#..#", "#..#", "#.#."}},
        {0xE6, 2, {".#####.", "#..#..#", "#..####", "#..#...", ".#####."}},
        {0xF0, 0, {".#..", "####", "...#", ".###", "#..#", "#..#", ".##."}},
        {0xF7, 1, {"..#..", ".....", "#####", ".....", "..#.."}},
        {0xF8, 2, {".###.", "#..##", "#.#.#", "##..#", ".###."}},
        {0xFE, 0, {"#...", "#...", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."}},
    };
    return letters;
}

Art MarkArt(Mark mark, int baseWidth) {
    switch (mark) {
        case Mark::Grave:
            return {"#.", ".#"};
        case Mark::Acute:
            return {".#", "#."};
        case Mark::Circumflex:
            return {".#.", "#.#"};
        case Mark::Tilde:
            return {".#.#", "#.#."};
        case Mark::Diaeresis:
            // Over the stems of a wide letter, close together over a narrow one.
            return {baseWidth >= 4 ? "#..#" : "#.#"};
        case Mark::Ring:
            return {"###", "#.#", "###"};
        case Mark::Cedilla:
            return {".#", "#."};
    }
    return {};
}

void Move(std::vector<Segment>& segments, float dx, float dy) {
    for (Segment& s : segments) {
        s = {s.x0 + dx, s.y0 + dy, s.x1 + dx, s.y1 + dy};
    }
}

SegmentLetter BaseLetter(char base) {
    SegmentLetter letter = AsciiLetter(base);
    if (base == 'i') {
        // The dot gives way to the mark.
        std::erase_if(letter.segments, [](const Segment& s) { return s.y1 <= 2.0f; });
    }
    return letter;
}

SegmentLetter AccentedLetter(char base, Mark mark) {
    SegmentLetter letter = BaseLetter(base);
    const Segment ink = InkBox(letter.segments);
    const float baseWidth = ink.x1 - ink.x0;
    const Art art = MarkArt(mark, static_cast<int>(std::lround(baseWidth)));
    const bool below = mark == Mark::Cedilla;
    // One blank row between the letter and its mark; the ring sits on the letter.
    const int gap = mark == Mark::Ring ? 0 : 1;
    const int top = below ? static_cast<int>(std::lround(ink.y1))
                          : static_cast<int>(std::lround(ink.y0)) - gap - static_cast<int>(art.size());
    SegmentLetter accent = ArtLetter(art, top);
    const Segment markInk = InkBox(accent.segments);
    const float markWidth = markInk.x1 - markInk.x0;
    // A mark wider than its letter widens the letter's cell rather than reaching into its neighbours.
    const float extra = std::max(0.0f, markWidth - baseWidth);
    Move(letter.segments, extra * 0.5f, 0.0f);
    Move(accent.segments, ink.x0 - markInk.x0 + (extra + baseWidth - markWidth) * 0.5f, 0.0f);
    letter.segments.insert(letter.segments.end(), accent.segments.begin(), accent.segments.end());
    letter.advance += static_cast<int>(std::lround(extra));
    return letter;
}

}  // namespace

SegmentLetter Latin1Letter(int c) {
    if (c == 0xA0) {
        return AsciiLetter(' ');
    }
    if (c == 0xAD) {
        // The soft hyphen shows as a hyphen.
        return AsciiLetter('-');
    }
    for (const Accented& a : kAccentedCapitals) {
        if (a.character == c) {
            return AccentedLetter(a.base, a.mark);
        }
        if (a.character + 0x20 == c) {
            return AccentedLetter(static_cast<char>(std::tolower(a.base)), a.mark);
        }
    }
    for (const Accented& a : kAccentedWithoutCapital) {
        if (a.character == c) {
            return AccentedLetter(a.base, a.mark);
        }
    }
    for (const Drawn& d : DrawnLetters()) {
        if (d.character == c) {
            return ArtLetter(d.art, d.top);
        }
    }
    return {};
}
