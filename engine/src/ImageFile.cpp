#include "ImageFile.h"

#include <stb_image.h>

#include <cstddef>
#include <memory>

namespace Lumaspace {

bool DecodeImageFile(const std::string& path, ImageRGBA& image) {
    int width = 0;
    int height = 0;
    int channels = 0;
    // Four channels requested: grey, grey-alpha and RGB files are expanded to RGBA. stb_image returns the top
    // row first (its vertical flip is never switched on here).
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(stbi_load(path.c_str(), &width, &height, &channels, 4),
                                                     stbi_image_free);
    if (!pixels || width < 1 || height < 1) {
        return false;
    }
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    image.width = width;
    image.height = height;
    image.pixels.assign(pixels.get(), pixels.get() + bytes);
    return true;
}

}  // namespace Lumaspace
