// The self-check of the generated data: every level and model is read back with the game's own loaders
// (LevelData, BaseModel through the model library) and held against the rules the game depends on.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// dataFolder stands for "../Ombrin/". Returns one line per breach; empty when all is well.
std::vector<std::string> CheckContent(const std::filesystem::path& dataFolder);
