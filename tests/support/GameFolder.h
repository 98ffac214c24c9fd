// A throw-away game installation for tests and fuzz targets that run the server's code on data of their own:
// a temporary folder holding bin/ (the working directory) and Ombrin/ with Settings/, Levels/ and Models/,
// as the programs expect it ("../Ombrin/" seen from bin/). Removed with its contents when destroyed.
#pragma once

#include <filesystem>
#include <string>

#include "shared/Float3.h"

class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // False when the folder could not be made (nothing else works then).
    bool IsReady() const { return !m_root.empty(); }
    std::string WorkingDirectory() const { return (m_root / "bin").string(); }
    std::filesystem::path Root() const { return m_root; }

    // Writes text to Ombrin/<relative>; false when it cannot be written.
    bool Write(const std::string& relative, const std::string& text) const;
    // Writes Models/<name>: a model holding one collision box with these half-sizes round centre.
    bool SaveBoxModel(const std::string& name, const Float3& halfSizes, const Float3& centre = {}) const;

private:
    std::filesystem::path m_root;
};
