// Encodes a picture as an RGBA PNG.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/Image.h"

std::vector<std::uint8_t> EncodePng(const Image& image);
