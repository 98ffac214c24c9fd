// An 8-bit RGBA picture, top row first, four bytes per pixel and no row padding.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Lumaspace {

struct ImageRGBA {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    // The pixel at column x of row y (row 0 at the top); zero outside the picture.
    std::array<std::uint8_t, 4> At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return {};
        }
        const std::size_t i =
            (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
        return {pixels[i], pixels[i + 1], pixels[i + 2], pixels[i + 3]};
    }
};

}  // namespace Lumaspace
