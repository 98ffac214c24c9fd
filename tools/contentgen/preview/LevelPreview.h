// A top-down picture of a level as the game reads it: the level file is loaded with the game's level
// loader and the models it places with the game's model loader, then walls, obstacles, spawn points,
// runes, emitters and shadow lines are drawn.
#pragma once

#include <filesystem>
#include <string>

// dataFolder is the folder that holds "Models/"; the level's model paths ("../Ombrin/Models/...") are
// looked up there.
bool WriteLevelPreview(const std::filesystem::path& dataFolder, const std::filesystem::path& levelFile,
                       const std::filesystem::path& pngFile, std::string& error);
