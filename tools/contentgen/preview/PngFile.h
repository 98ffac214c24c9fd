// Saves an RGB raster as a PNG file.
#pragma once

#include <filesystem>
#include <string>

#include "preview/Canvas.h"

bool SavePng(const std::filesystem::path& path, const Canvas& canvas, std::string& error);
