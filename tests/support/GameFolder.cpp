#include "GameFolder.h"

#include <stdlib.h>

#include <fstream>
#include <system_error>

#include "shared/CollisionShapes.h"
#include "shared/ModelFileData.h"
#include "shared/ModelWriter.h"

namespace fs = std::filesystem;

GameFolder::GameFolder() {
    std::string pattern = (fs::temp_directory_path() / "ombrin_game_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    std::error_code error;
    for (const char* folder : {"bin", "Ombrin/Settings", "Ombrin/Levels", "Ombrin/Models"}) {
        fs::create_directories(fs::path(pattern) / folder, error);
    }
    if (!error) {
        m_root = pattern;
    }
}

GameFolder::~GameFolder() {
    if (!m_root.empty()) {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
}

bool GameFolder::Write(const std::string& relative, const std::string& text) const {
    std::ofstream file(m_root / "Ombrin" / relative, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

bool GameFolder::SaveBoxModel(const std::string& name, const Float3& halfSizes, const Float3& centre) const {
    ModelFileData model;
    model.boxes.push_back(MakeCollisionBox(centre, halfSizes));
    std::string error;
    return SaveModelFile((m_root / "Ombrin" / "Models" / name).string(), model, error);
}
