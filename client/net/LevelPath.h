// Which level paths a server may name: a plain file name in the game's level folder. Anything else
// (another folder, "..", an empty name) would let a server make the client open a file of its choosing.
#pragma once

#include <string_view>

inline constexpr std::string_view kLevelFolder = "../Ombrin/Levels/";
inline constexpr std::string_view kDefaultLevelName = "../Ombrin/Levels/NightTimeArena.ZMDL";

bool IsAcceptedLevelPath(std::string_view path);
