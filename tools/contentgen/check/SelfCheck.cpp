#include "check/SelfCheck.h"

#include <algorithm>
#include <fstream>
#include <set>

#include "check/ContentRules.h"
#include "check/InspectedModel.h"
#include "check/LevelCheck.h"
#include "check/MediaCheck.h"
#include "check/ModelCheck.h"
#include "check/Problems.h"
#include "shared/ModelLibrary.h"

namespace {

std::vector<std::string> ListedLevels(const std::filesystem::path& dataFolder) {
    std::vector<std::string> levels;
    std::ifstream list(dataFolder / kLevelListInDataFolder);
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            levels.push_back(line);
        }
    }
    return levels;
}

void CheckModels(const std::filesystem::path& dataFolder, Problems& problems) {
    const std::filesystem::path folder = dataFolder / "Models";
    const std::string prefix = folder.string() + "/";
    ModelLibrary library;
    if (!library.LoadFolder(InspectedModel(), prefix)) {
        problems.Add("Models", "the folder cannot be listed");
        return;
    }
    for (const ModelRule& rule : RequiredModels()) {
        if (!library.Contains(prefix + rule.fileName)) {
            problems.Add(rule.fileName, "is missing (the game names it)");
        }
    }
    std::vector<std::string> files;
    std::error_code code;
    for (const auto& entry : std::filesystem::directory_iterator(folder, code)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        const auto* model = dynamic_cast<const InspectedModel*>(&library.Get(prefix + file));
        if (model == nullptr || model->File().VertexCount() == 0) {
            problems.Add(file, "does not load or holds no mesh");
            continue;
        }
        CheckModel(file, *model, RuleFor(file), problems);
    }
}

}  // namespace

std::vector<std::string> CheckContent(const std::filesystem::path& dataFolder) {
    Problems problems;
    CheckLevelList(dataFolder, problems);
    std::vector<std::string> levels = ListedLevels(dataFolder);
    if (std::find(levels.begin(), levels.end(), kDefaultLevelFile) == levels.end()) {
        levels.insert(levels.begin(), kDefaultLevelFile);
    }
    for (const std::string& level : levels) {
        CheckLevel(dataFolder, level, problems);
    }
    CheckModels(dataFolder, problems);
    CheckPictures(dataFolder, problems);
    CheckSounds(dataFolder, problems);
    CheckFont(dataFolder, problems);
    CheckGrassMask(dataFolder, problems);
    return problems.List();
}
