// Pictures and files the engine tests feed to the engine.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "Lumagrid/ImageRGBA.h"

namespace Lumaspace::test {

using Rgba = std::array<std::uint8_t, 4>;

// width x height, the top half (rows 0 .. height/2 - 1) one colour and the bottom half another.
ImageRGBA TwoBands(int width, int height, Rgba top, Rgba bottom);

// width x height in four quadrants: top-left, top-right, bottom-left, bottom-right.
ImageRGBA Quadrants(int width, int height, Rgba topLeft, Rgba topRight, Rgba bottomLeft, Rgba bottomRight);

ImageRGBA Solid(int width, int height, Rgba colour);

bool WritePng(const std::filesystem::path& path, const ImageRGBA& image);

// A fresh empty directory under the system's temporary folder, removed when the object goes.
class TempDirectory {
public:
    explicit TempDirectory(const std::string& name);
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace Lumaspace::test
