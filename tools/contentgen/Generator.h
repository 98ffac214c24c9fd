// Generates the game's data: every model into <data>/Models, every level into <data>/Levels and the
// server's level list into <data>/Settings/ServerLevels.cfg; with a preview folder, also a top-down
// picture of each level there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct GenerationReport {
    int files = 0;
    std::uintmax_t bytes = 0;
};

// An empty previewFolder writes no pictures. On failure returns false with the reason in error; files
// written before the failure stay.
bool GenerateContent(const std::filesystem::path& dataFolder, const std::filesystem::path& previewFolder,
                     GenerationReport& report, std::string& error);

// Writes a contact sheet of every skinned model's clips into sheetFolder (slow: for looking at the
// animations, not part of the build).
bool WriteModelSheets(const std::filesystem::path& dataFolder, const std::filesystem::path& sheetFolder,
                      std::string& error);
