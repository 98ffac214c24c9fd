#include "font/TrueTypeWriter.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Big-endian byte output, as every TrueType table is stored.
class Bytes {
public:
    void U8(std::uint32_t v) { m_data.push_back(static_cast<std::uint8_t>(v & 0xFFu)); }
    void U16(std::uint32_t v) {
        U8(v >> 8);
        U8(v);
    }
    void I16(int v) {
        U16(static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))));
    }
    void U32(std::uint32_t v) {
        U16(v >> 16);
        U16(v & 0xFFFFu);
    }
    void Tag(const char* tag) {
        for (int i = 0; i < 4; ++i) {
            U8(static_cast<std::uint8_t>(tag[i]));
        }
    }
    void Append(const std::vector<std::uint8_t>& more) {
        m_data.insert(m_data.end(), more.begin(), more.end());
    }
    void PadTo4() {
        while (m_data.size() % 4 != 0) {
            U8(0);
        }
    }
    void SetU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            m_data[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((v >> (24 - 8 * i)) & 0xFFu);
        }
    }
    std::size_t Size() const { return m_data.size(); }
    const std::vector<std::uint8_t>& Data() const { return m_data; }

private:
    std::vector<std::uint8_t> m_data;
};

std::uint32_t Checksum(const std::vector<std::uint8_t>& data) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < data.size(); i += 4) {
        std::uint32_t word = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            word = (word << 8) | (i + k < data.size() ? data[i + k] : 0u);
        }
        sum += word;
    }
    return sum;
}

struct Box {
    int xMin = 0;
    int yMin = 0;
    int xMax = 0;
    int yMax = 0;
    bool empty = true;
};

Box BoundsOf(const FontGlyph& glyph) {
    Box box;
    for (const auto& contour : glyph.contours) {
        for (const FontPoint& p : contour) {
            if (box.empty) {
                box = {p.x, p.y, p.x, p.y, false};
            }
            box.xMin = std::min<int>(box.xMin, p.x);
            box.yMin = std::min<int>(box.yMin, p.y);
            box.xMax = std::max<int>(box.xMax, p.x);
            box.yMax = std::max<int>(box.yMax, p.y);
        }
    }
    return box;
}

// One simple glyph: every point on the curve, coordinates as 16-bit deltas, no instructions.
std::vector<std::uint8_t> GlyphData(const FontGlyph& glyph) {
    const Box box = BoundsOf(glyph);
    if (box.empty) {
        return {};
    }
    Bytes out;
    out.I16(static_cast<int>(glyph.contours.size()));
    out.I16(box.xMin);
    out.I16(box.yMin);
    out.I16(box.xMax);
    out.I16(box.yMax);
    int end = -1;
    for (const auto& contour : glyph.contours) {
        end += static_cast<int>(contour.size());
        out.U16(static_cast<std::uint32_t>(end));
    }
    out.U16(0);
    for (const auto& contour : glyph.contours) {
        for (std::size_t i = 0; i < contour.size(); ++i) {
            out.U8(0x01);
        }
    }
    for (int axis = 0; axis < 2; ++axis) {
        int previous = 0;
        for (const auto& contour : glyph.contours) {
            for (const FontPoint& p : contour) {
                const int value = axis == 0 ? p.x : p.y;
                out.I16(value - previous);
                previous = value;
            }
        }
    }
    out.PadTo4();
    return out.Data();
}

std::vector<std::uint8_t> NameTable(const FontDescription& font) {
    const std::string full = font.family + " " + font.style;
    std::string postScript;
    for (char c : full) {
        if (c != ' ') {
            postScript += c;
        }
    }
    const std::array<std::pair<int, std::string>, 5> names = {
        {{1, font.family}, {2, font.style}, {3, postScript + "-1.0"}, {4, full}, {6, postScript}}};
    Bytes out;
    out.U16(0);
    out.U16(names.size());
    out.U16(6 + 12 * names.size());
    std::uint32_t offset = 0;
    for (const auto& [id, text] : names) {
        out.U16(3);
        out.U16(1);
        out.U16(0x409);
        out.U16(static_cast<std::uint32_t>(id));
        out.U16(static_cast<std::uint32_t>(text.size() * 2));
        out.U16(offset);
        offset += static_cast<std::uint32_t>(text.size() * 2);
    }
    for (const auto& entry : names) {
        for (char c : entry.second) {
            out.U16(static_cast<std::uint8_t>(c));
        }
    }
    return out.Data();
}

// A format 4 character map: one segment per run of consecutive characters (their glyphs are consecutive
// too), each mapped by a delta, and the closing segment the format requires.
std::vector<std::uint8_t> CharacterMap(const std::vector<FontGlyph>& glyphs) {
    struct Run {
        std::uint32_t first;
        std::uint32_t last;
        std::uint32_t delta;
    };
    std::vector<Run> runs;
    for (std::size_t i = 1; i < glyphs.size(); ++i) {
        const std::uint32_t c = glyphs[i].character;
        if (runs.empty() || c != runs.back().last + 1) {
            runs.push_back({c, c, (static_cast<std::uint32_t>(i) - c) & 0xFFFFu});
        } else {
            runs.back().last = c;
        }
    }
    runs.push_back({0xFFFFu, 0xFFFFu, 1});
    const auto segments = static_cast<std::uint32_t>(runs.size());
    std::uint32_t power = 1;
    std::uint32_t log2 = 0;
    while (power * 2 <= segments) {
        power *= 2;
        ++log2;
    }
    Bytes out;
    out.U16(4);
    out.U16(16 + 8 * segments);
    out.U16(0);
    out.U16(2 * segments);
    out.U16(2 * power);
    out.U16(log2);
    out.U16(2 * segments - 2 * power);
    for (const Run& run : runs) {
        out.U16(run.last);
    }
    out.U16(0);
    for (const Run& run : runs) {
        out.U16(run.first);
    }
    for (const Run& run : runs) {
        out.U16(run.delta);
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        out.U16(0);
    }
    return out.Data();
}

}  // namespace

bool WriteTrueType(const FontDescription& font, std::vector<std::uint8_t>& bytes, std::string& error) {
    const std::size_t glyphCount = font.glyphs.size();
    if (glyphCount < 2 || glyphCount > 0xFFFEu) {
        error = "a font needs a missing-character glyph and at most 65534 glyphs";
        return false;
    }
    for (std::size_t i = 2; i < glyphCount; ++i) {
        if (font.glyphs[i].character <= font.glyphs[i - 1].character) {
            error = "the characters are not in increasing order";
            return false;
        }
    }
    if (font.glyphs.back().character == 0xFFFFu) {
        error = "U+FFFF is not a character";
        return false;
    }
    Box fontBox;
    int maxPoints = 0;
    int maxContours = 0;
    int maxAdvance = 0;
    int minLsb = std::numeric_limits<int>::max();
    int minRsb = std::numeric_limits<int>::max();
    int maxExtent = 0;
    long advanceSum = 0;
    Bytes glyf;
    Bytes loca;
    Bytes hmtx;
    for (const FontGlyph& glyph : font.glyphs) {
        int points = 0;
        for (const auto& contour : glyph.contours) {
            if (contour.size() < 3) {
                error = "a glyph contour has fewer than three points";
                return false;
            }
            points += static_cast<int>(contour.size());
        }
        if (points > 0xFFFF) {
            error = "a glyph has too many points";
            return false;
        }
        loca.U32(static_cast<std::uint32_t>(glyf.Size()));
        glyf.Append(GlyphData(glyph));
        const Box box = BoundsOf(glyph);
        hmtx.U16(glyph.advance);
        hmtx.I16(box.empty ? 0 : box.xMin);
        maxPoints = std::max(maxPoints, points);
        maxContours = std::max(maxContours, static_cast<int>(glyph.contours.size()));
        maxAdvance = std::max<int>(maxAdvance, glyph.advance);
        advanceSum += glyph.advance;
        if (!box.empty) {
            minLsb = std::min(minLsb, box.xMin);
            minRsb = std::min(minRsb, glyph.advance - box.xMax);
            maxExtent = std::max(maxExtent, box.xMax);
            if (fontBox.empty) {
                fontBox = box;
            }
            fontBox = {std::min(fontBox.xMin, box.xMin), std::min(fontBox.yMin, box.yMin),
                       std::max(fontBox.xMax, box.xMax), std::max(fontBox.yMax, box.yMax), false};
        }
    }
    loca.U32(static_cast<std::uint32_t>(glyf.Size()));
    if (fontBox.empty) {
        error = "a font needs at least one glyph with an outline";
        return false;
    }

    Bytes head;
    head.U32(0x00010000);
    head.U32(0x00010000);
    head.U32(0);  // checksum adjustment, set once the whole file is known
    head.U32(0x5F0F3CF5);
    head.U16(0x000B);
    head.U16(font.unitsPerEm);
    head.U32(0);  // created and modified stay zero so the bytes never depend on the clock
    head.U32(0);
    head.U32(0);
    head.U32(0);
    head.I16(fontBox.xMin);
    head.I16(fontBox.yMin);
    head.I16(fontBox.xMax);
    head.I16(fontBox.yMax);
    head.U16(0x0001);  // bold
    head.U16(8);
    head.I16(2);
    head.I16(1);  // 32-bit glyph offsets
    head.I16(0);

    Bytes hhea;
    hhea.U32(0x00010000);
    hhea.I16(font.ascender);
    hhea.I16(font.descender);
    hhea.I16(0);
    hhea.U16(static_cast<std::uint32_t>(maxAdvance));
    hhea.I16(minLsb);
    hhea.I16(minRsb);
    hhea.I16(maxExtent);
    hhea.I16(1);
    hhea.I16(0);
    hhea.I16(0);
    for (int i = 0; i < 5; ++i) {
        hhea.I16(0);
    }
    hhea.U16(static_cast<std::uint32_t>(glyphCount));

    Bytes maxp;
    maxp.U32(0x00010000);
    maxp.U16(static_cast<std::uint32_t>(glyphCount));
    maxp.U16(static_cast<std::uint32_t>(maxPoints));
    maxp.U16(static_cast<std::uint32_t>(maxContours));
    maxp.U16(0);
    maxp.U16(0);
    maxp.U16(2);
    for (int i = 0; i < 8; ++i) {
        maxp.U16(0);
    }

    const std::uint32_t firstChar = font.glyphs[1].character;
    const std::uint32_t lastChar = font.glyphs.back().character;
    Bytes os2;
    os2.U16(4);
    os2.I16(static_cast<int>(advanceSum / static_cast<long>(glyphCount)));
    os2.U16(700);
    os2.U16(5);
    os2.U16(0);  // installable without restriction
    const int em = font.unitsPerEm;
    for (int v : {em * 65 / 100, em * 60 / 100, 0, em * 7 / 100, em * 65 / 100, em * 60 / 100, 0,
                  em * 35 / 100, em / 20, em * 26 / 100}) {
        os2.I16(v);
    }
    os2.I16(0);
    for (int i = 0; i < 10; ++i) {
        os2.U8(i == 0 ? 2 : (i == 2 ? 8 : 0));  // panose: text and display, bold
    }
    os2.U32(lastChar >= 0x80 ? 3u : 1u);  // Basic Latin, and the Latin-1 supplement when it reaches there
    os2.U32(0);
    os2.U32(0);
    os2.U32(0);
    os2.Tag("OMBR");
    os2.U16(0x0020);  // bold
    os2.U16(firstChar);
    os2.U16(lastChar);
    os2.I16(font.ascender);
    os2.I16(font.descender);
    os2.I16(0);
    os2.U16(static_cast<std::uint32_t>(std::max<int>(font.ascender, fontBox.yMax)));
    os2.U16(static_cast<std::uint32_t>(std::max<int>(-font.descender, -fontBox.yMin)));
    os2.U32(1);  // Latin 1 code page
    os2.U32(0);
    os2.I16(font.xHeight);
    os2.I16(font.capHeight);
    os2.U16(0);
    os2.U16(32);
    os2.U16(1);

    Bytes cmap;
    cmap.U16(0);
    cmap.U16(1);
    cmap.U16(3);
    cmap.U16(1);
    cmap.U32(12);
    cmap.Append(CharacterMap(font.glyphs));

    Bytes post;
    post.U32(0x00030000);
    post.U32(0);
    post.I16(-em / 10);
    post.I16(em / 20);
    for (int i = 0; i < 5; ++i) {
        post.U32(0);
    }

    struct Table {
        const char* tag;
        std::vector<std::uint8_t> data;
    };
    // Sorted by tag, as the table directory must be.
    std::vector<Table> tables = {{"OS/2", os2.Data()},  {"cmap", cmap.Data()}, {"glyf", glyf.Data()},
                                 {"head", head.Data()}, {"hhea", hhea.Data()}, {"hmtx", hmtx.Data()},
                                 {"loca", loca.Data()}, {"maxp", maxp.Data()}, {"name", NameTable(font)},
                                 {"post", post.Data()}};
    Bytes file;
    const std::uint32_t count = static_cast<std::uint32_t>(tables.size());
    std::uint32_t power = 1;
    std::uint32_t log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    file.U32(0x00010000);
    file.U16(count);
    file.U16(power * 16);
    file.U16(log2);
    file.U16(count * 16 - power * 16);
    std::uint32_t offset = 12 + 16 * count;
    std::size_t headOffset = 0;
    for (const Table& table : tables) {
        file.Tag(table.tag);
        file.U32(Checksum(table.data));
        file.U32(offset);
        file.U32(static_cast<std::uint32_t>(table.data.size()));
        if (std::string(table.tag) == "head") {
            headOffset = offset;
        }
        offset += static_cast<std::uint32_t>((table.data.size() + 3) / 4 * 4);
    }
    for (const Table& table : tables) {
        file.Append(table.data);
        file.PadTo4();
    }
    bytes = file.Data();
    const std::uint32_t adjustment = 0xB1B0AFBAu - Checksum(bytes);
    Bytes patched;
    patched.Append(bytes);
    patched.SetU32(headOffset + 8, adjustment);
    bytes = patched.Data();
    return true;
}
