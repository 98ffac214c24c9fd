// Reading image files into RGBA8 pictures, top row first.
#pragma once

#include <string>

#include "Lumagrid/ImageRGBA.h"

namespace Lumaspace {

// Decodes the file at path (PNG and the other formats stb_image reads) into image. False, with image left
// untouched, when the file cannot be read or decoded.
bool DecodeImageFile(const std::string& path, ImageRGBA& image);

}  // namespace Lumaspace
