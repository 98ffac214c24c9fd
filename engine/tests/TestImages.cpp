#include "TestImages.h"

#include <stb_image_write.h>

#include <unistd.h>

namespace Lumaspace::test {

namespace {

template <class Pick>
ImageRGBA Paint(int width, int height, Pick pick) {
    ImageRGBA image{width, height, {}};
    image.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba colour = pick(x, y);
            image.pixels.insert(image.pixels.end(), colour.begin(), colour.end());
        }
    }
    return image;
}

}  // namespace

ImageRGBA TwoBands(int width, int height, Rgba top, Rgba bottom) {
    return Paint(width, height, [&](int, int y) { return y < height / 2 ? top : bottom; });
}

ImageRGBA Quadrants(int width, int height, Rgba topLeft, Rgba topRight, Rgba bottomLeft, Rgba bottomRight) {
    return Paint(width, height, [&](int x, int y) {
        if (y < height / 2) {
            return x < width / 2 ? topLeft : topRight;
        }
        return x < width / 2 ? bottomLeft : bottomRight;
    });
}

ImageRGBA Solid(int width, int height, Rgba colour) {
    return Paint(width, height, [&](int, int) { return colour; });
}

bool WritePng(const std::filesystem::path& path, const ImageRGBA& image) {
    return stbi_write_png(path.c_str(), image.width, image.height, 4, image.pixels.data(), image.width * 4) !=
           0;
}

TempDirectory::TempDirectory(const std::string& name)
    : m_path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

}  // namespace Lumaspace::test
