// Writes every picture of the catalogue under <data>/2DTextures/, and with a preview folder a contact sheet
// per picture folder there.
#pragma once

#include <filesystem>
#include <string>

#include "Generator.h"

bool WritePictures(const std::filesystem::path& dataFolder, const std::filesystem::path& previewFolder,
                   GenerationReport& report, std::string& error);
