// Where the game's data lives. Both programs run in the folder beside the data folder, so every path starts
// with "../Ombrin/"; a file's full path is its folder followed by its file name.
#pragma once

inline constexpr const char* kDataFolder = "../Ombrin/";
inline constexpr const char* kLevelFolder = "../Ombrin/Levels/";
inline constexpr const char* kModelFolder = "../Ombrin/Models/";
inline constexpr const char* kTextureFolder = "../Ombrin/2DTextures/";
inline constexpr const char* kSoundFolder = "../Ombrin/Sound/";
inline constexpr const char* kFontFolder = "../Ombrin/Fonts/";
inline constexpr const char* kSettingsFolder = "../Ombrin/Settings/";

// The server's level rotation, one level file name per line.
inline constexpr const char* kLevelListFile = "../Ombrin/Settings/ServerLevels.cfg";
// The level a server plays when its rotation names none, and the level a client expects before it is told.
inline constexpr const char* kDefaultLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";
