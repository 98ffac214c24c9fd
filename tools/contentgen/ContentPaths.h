// The game names its files by paths relative to its working folder ("../Ombrin/Models/TreeShape.ZMD");
// the tool writes them into a data folder that stands for "../Ombrin/".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

inline constexpr std::string_view kGameDataPrefix = "../Ombrin/";

// The file in dataFolder that the game path names; empty when the path is not under "../Ombrin/".
inline std::filesystem::path DataFileOf(const std::filesystem::path& dataFolder,
                                        const std::string& gamePath) {
    if (!gamePath.starts_with(kGameDataPrefix)) {
        return {};
    }
    return dataFolder / gamePath.substr(kGameDataPrefix.size());
}
