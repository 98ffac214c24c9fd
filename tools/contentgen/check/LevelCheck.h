// Checks of the level files and the server's level list, read back with the game's level loader.
#pragma once

#include <filesystem>
#include <string>

#include "check/Problems.h"

// dataFolder stands for "../Ombrin/": the level's models are looked up in its Models folder.
void CheckLevel(const std::filesystem::path& dataFolder, const std::string& levelFile, Problems& problems);

// The list names existing levels, the default level first, one per LF-ended line without stray spaces.
void CheckLevelList(const std::filesystem::path& dataFolder, Problems& problems);
