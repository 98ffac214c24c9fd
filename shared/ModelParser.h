// Parses a model file held in memory (layout in ModelFileData.h) and checks every count against the bytes
// that are left and against its limit before using it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "shared/ModelFileData.h"

// On success fills model and returns true. On failure returns false, leaves model empty and sets error to
// what is wrong and at which byte: a negative count, a count at or above its limit, a texture with pixels
// that does not have 4 bytes per pixel, a name without its terminating zero, a frame tree with more nodes
// than the animation's joint count, or a file that ends before its declared contents. Bytes after the
// spheres are ignored.
bool ParseModelFile(std::span<const std::uint8_t> bytes, ModelFileData& model, std::string& error);
