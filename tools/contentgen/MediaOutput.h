// Writes the sounds into <data>/Sound/, the display font into <data>/Fonts/ and the grass mask into
// <data>/GrassMap/ (drawn from the default level, so the levels must be written first).
#pragma once

#include <filesystem>
#include <string>

#include "Generator.h"

bool WriteSounds(const std::filesystem::path& dataFolder, GenerationReport& report, std::string& error);
bool WriteFont(const std::filesystem::path& dataFolder, GenerationReport& report, std::string& error);
bool WriteGrassMask(const std::filesystem::path& dataFolder, GenerationReport& report, std::string& error);
