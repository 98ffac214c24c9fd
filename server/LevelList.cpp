#include "server/LevelList.h"

#include <fstream>
#include <string>

#include "shared/ConsoleLog.h"

std::vector<std::string> LoadLevelList(const std::string& listPath) {
    std::vector<std::string> levels;
    std::ifstream file(listPath);
    std::string line;
    while (file && std::getline(file, line)) {
        // A list written on Windows ends its lines with CR LF: the CR is not part of the name.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (line.size() > kMaxLevelListLine) {
            LogProblem("Level list: skipped a line of %zu characters (at most %zu)\n", line.size(),
                       kMaxLevelListLine);
            continue;
        }
        levels.push_back(kLevelFolder + line);
    }
    if (levels.empty()) {
        levels.emplace_back(kDefaultLevel);
    }
    return levels;
}
