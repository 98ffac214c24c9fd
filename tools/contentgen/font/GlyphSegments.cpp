#include "font/GlyphSegments.h"

#include <algorithm>
#include <limits>

#include <stb/stb_easy_font.h>

SegmentLetter AsciiLetter(char c) {
    char text[2] = {c, '\0'};
    float vertices[4 * 4 * 64];  // x, y, z and a packed colour per vertex, four vertices per quad
    const int quads = stb_easy_font_print(0.0f, 0.0f, text, nullptr, vertices, sizeof(vertices));
    SegmentLetter letter;
    for (int q = 0; q < quads; ++q) {
        const float* v = vertices + q * 16;
        Segment segment{v[0], v[1], v[0], v[1]};
        for (int k = 1; k < 4; ++k) {
            segment.x0 = std::min(segment.x0, v[k * 4]);
            segment.y0 = std::min(segment.y0, v[k * 4 + 1]);
            segment.x1 = std::max(segment.x1, v[k * 4]);
            segment.y1 = std::max(segment.y1, v[k * 4 + 1]);
        }
        letter.segments.push_back(segment);
    }
    letter.advance = stb_easy_font_width(text);
    return letter;
}

SegmentLetter ArtLetter(const std::vector<std::string_view>& rows, int top) {
    const auto inked = [&](int x, int y) {
        return y >= 0 && y < static_cast<int>(rows.size()) && x >= 0 &&
               x < static_cast<int>(rows[static_cast<std::size_t>(y)].size()) &&
               rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
    };
    SegmentLetter letter;
    std::size_t width = 0;
    for (std::string_view row : rows) {
        width = std::max(width, row.size());
    }
    const int columns = static_cast<int>(width);
    const int height = static_cast<int>(rows.size());
    std::vector<bool> covered(width * rows.size(), false);
    const auto cover = [&](int x, int y) { covered[static_cast<std::size_t>(y * columns + x)] = true; };
    const auto add = [&](float x0, float y0, float x1, float y1) {
        letter.segments.push_back({x0, y0 + static_cast<float>(top), x1, y1 + static_cast<float>(top)});
    };
    // Runs across, then runs down; a cell may belong to one of each, as where a stem meets a bar.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < columns;) {
            int end = x;
            while (inked(end, y)) {
                ++end;
            }
            if (end - x >= 2) {
                add(static_cast<float>(x), static_cast<float>(y), static_cast<float>(end),
                    static_cast<float>(y + 1));
                for (int k = x; k < end; ++k) {
                    cover(k, y);
                }
            }
            x = std::max(end, x + 1);
        }
    }
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < height;) {
            int end = y;
            while (inked(x, end)) {
                ++end;
            }
            if (end - y >= 2) {
                add(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + 1),
                    static_cast<float>(end));
                for (int k = y; k < end; ++k) {
                    cover(x, k);
                }
            }
            y = std::max(end, y + 1);
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < columns; ++x) {
            if (inked(x, y) && !covered[static_cast<std::size_t>(y * columns + x)]) {
                add(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + 1),
                    static_cast<float>(y + 1));
            }
        }
    }
    letter.advance = columns + 2;
    return letter;
}

Segment InkBox(const std::vector<Segment>& segments) {
    if (segments.empty()) {
        return {0.0f, 0.0f, 0.0f, 0.0f};
    }
    Segment box{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()};
    for (const Segment& s : segments) {
        box = {std::min(box.x0, s.x0), std::min(box.y0, s.y0), std::max(box.x1, s.x1),
               std::max(box.y1, s.y1)};
    }
    return box;
}
