#include "pictures/PictureFile.h"

#include <stb/stb_image_write.h>

namespace {

void Collect(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Image& image) {
    const std::vector<std::uint8_t> rgba = image.Rgba();
    std::vector<std::uint8_t> png;
    stbi_write_png_to_func(Collect, &png, image.Width(), image.Height(), 4, rgba.data(), image.Width() * 4);
    return png;
}
