#include "client/ui/tests/TestFiles.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>
#include <unistd.h>

#include <fstream>
#include <vector>

namespace ombrin::test {

ScratchRunLayout::ScratchRunLayout(const std::string& name)
    : m_root(std::filesystem::temp_directory_path() / ("ombrin-" + name + "-" + std::to_string(::getpid()))),
      m_previousDirectory(std::filesystem::current_path()) {
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(Bin());
    std::filesystem::create_directories(Data());
    std::filesystem::current_path(Bin());
}

ScratchRunLayout::~ScratchRunLayout() {
    std::error_code ignored;
    std::filesystem::current_path(m_previousDirectory, ignored);
    std::filesystem::remove_all(m_root, ignored);
}

bool WritePng(const std::filesystem::path& path, int width, int height,
              const std::function<Rgba(int x, int y)>& paint) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba colour = paint(x, y);
            pixels.insert(pixels.end(), colour.begin(), colour.end());
        }
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4) != 0;
}

bool WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return {};
    }
    std::ifstream file(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
}

}  // namespace ombrin::test
