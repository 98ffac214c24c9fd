#include "server/LevelList.h"

#include <fstream>
#include <iostream>

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
            std::cerr << "Level list: skipped a line of " << line.size() << " characters (at most "
                      << kMaxLevelListLine << ")\n";
            continue;
        }
        levels.push_back(kLevelFolder + line);
    }
    if (levels.empty()) {
        levels.emplace_back(kDefaultLevel);
    }
    return levels;
}
