#include "shared/collision/tests/LevelFixture.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "shared/ModelWriter.h"

namespace fs = std::filesystem;

LevelFixture::LevelFixture() {
    std::error_code error;
    fs::create_directories(m_root.Path() / "bin", error);
    fs::create_directories(m_root.Path() / "Ombrin" / "Models", error);
    m_previousDirectory = fs::current_path(error);
    fs::current_path(m_root.Path() / "bin", error);
    if (error) {
        ADD_FAILURE() << "cannot set up the game folder: " << error.message();
    }
}

LevelFixture::~LevelFixture() {
    std::error_code ignored;
    fs::current_path(m_previousDirectory, ignored);
}

void LevelFixture::SaveModel(const std::string& name, const ModelFileData& model) {
    std::string error;
    const fs::path path = m_root.Path() / "Ombrin" / "Models" / (name + "Shape.ZMD");
    EXPECT_TRUE(SaveModelFile(path.string(), model, error)) << error;
}

std::string LevelFixture::ModelLine(const std::string& entityName, const Float3& position,
                                    const Float3& angles) {
    // The loader negates position z and rotation x and y.
    std::ostringstream line;
    line.precision(9);
    line << entityName << " " << position.x << " " << position.y << " " << -position.z << " " << -angles.x
         << " " << -angles.y << " " << angles.z << "\n";
    return line.str();
}

LevelData LevelFixture::LoadLevel(const std::vector<std::string>& boxLines,
                                  const std::vector<std::string>& entityLines) {
    std::string text = "Exported level\n# entity lines: " + std::to_string(entityLines.size() + 1) +
                       "\n# box line count: " + std::to_string(boxLines.size()) + "\n";
    for (const std::string& line : boxLines) {
        text += line;
    }
    for (const std::string& line : entityLines) {
        text += line;
    }
    const fs::path path = m_root.Path() / "level.ZMDL";
    std::ofstream(path, std::ios::binary) << text;
    return LevelData(path.string());
}

ModelFileData ModelWithShapes(const std::vector<CollisionBox>& boxes,
                              const std::vector<CollisionSphere>& spheres) {
    ModelFileData model;
    model.boxes = boxes;
    model.spheres = spheres;
    return model;
}
