#include "preview/PngFile.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

bool SavePng(const std::filesystem::path& path, const Canvas& canvas, std::string& error) {
    const int written = stbi_write_png(path.c_str(), canvas.Width(), canvas.Height(), 3,
                                       canvas.Pixels().data(), canvas.Width() * 3);
    if (written == 0) {
        error = "cannot write the picture " + path.string();
        return false;
    }
    return true;
}
