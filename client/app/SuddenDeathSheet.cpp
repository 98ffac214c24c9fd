#include "client/app/SuddenDeathSheet.h"

namespace {

// One corner at rest: x, height, z.
struct Corner {
    float x;
    float y;
    float z;
};

constexpr float kHalfWidth = 45.0f;
constexpr float kHalfDepth = 52.0f;
constexpr float kDrop = 12.0f;  // how far the slopes reach below the floor

constexpr std::array<std::array<Corner, 3>, kSuddenDeathSheetVertices / 3> kTriangles{{
    {{{-45, 0, 52}, {45, 0, 52}, {12, 0, 12}}},
    {{{-45, 0, 52}, {12, 0, 12}, {-12, 0, 12}}},
    {{{12, 0, -12}, {45, 0, 52}, {45, 0, -52}}},
    {{{12, 0, 12}, {45, 0, 52}, {12, 0, -12}}},
    {{{45, 0, -52}, {-45, 0, -52}, {-12, 0, -12}}},
    {{{45, 0, -52}, {-12, 0, -12}, {12, 0, -12}}},
    {{{-45, 0, -52}, {-45, 0, 52}, {-12, 0, 12}}},
    {{{-45, 0, -52}, {-12, 0, 12}, {-12, 0, -12}}},
    {{{-12, 0, 12}, {12, 0, 12}, {0, -kDrop, 12}}},
    {{{12, 0, 12}, {12, 0, -12}, {12, -kDrop, 0}}},
    {{{12, 0, -12}, {-12, 0, -12}, {0, -kDrop, -12}}},
    {{{-12, 0, -12}, {-12, 0, 12}, {-12, -kDrop, 0}}},
}};

}  // namespace

SuddenDeathSheetVertices SuddenDeathSheet(float height, float scroll) {
    SuddenDeathSheetVertices vertices;
    std::size_t next = 0;
    for (const auto& triangle : kTriangles) {
        for (const Corner& c : triangle) {
            const bool floor = c.y == 0.0f;
            const float u = floor ? 0.5f + (c.x + kHalfWidth) / (4.0f * kHalfWidth) : 0.75f;
            const float v = floor ? (kHalfDepth - c.z) / (2.0f * kHalfDepth) : 0.5f;
            vertices[next++] = Lumaspace::SheetVertex{{c.x, c.y + height, c.z}, {u - scroll, v}};
        }
    }
    return vertices;
}
