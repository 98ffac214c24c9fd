// A throwaway game folder for tests that load levels and models: <temp>/bin is the working directory while
// the fixture lives, so that the level loader's model paths ("../Ombrin/Models/<name>Shape.ZMD") lead to
// <temp>/Ombrin/Models/.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shared/Float3.h"
#include "shared/LevelData.h"
#include "shared/ModelFileData.h"
#include "shared/tests/TempFolder.h"

class LevelFixture {
public:
    LevelFixture();
    ~LevelFixture();
    LevelFixture(const LevelFixture&) = delete;
    LevelFixture& operator=(const LevelFixture&) = delete;

    // Writes the model file the level names <name>.
    void SaveModel(const std::string& name, const ModelFileData& model);
    // The level's line for a model placed with the game's position and Euler angles (x pitch, y yaw, z roll),
    // written in the file's right-handed convention.
    static std::string ModelLine(const std::string& entityName, const Float3& position, const Float3& angles);
    // Writes a level with these box lines and entity lines and loads it.
    LevelData LoadLevel(const std::vector<std::string>& boxLines,
                        const std::vector<std::string>& entityLines);

private:
    TempFolder m_root;
    std::filesystem::path m_previousDirectory;
};

// A model holding only these collision volumes.
ModelFileData ModelWithShapes(const std::vector<CollisionBox>& boxes,
                              const std::vector<CollisionSphere>& spheres);
