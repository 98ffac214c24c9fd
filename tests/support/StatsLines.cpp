#include "StatsLines.h"

#include <sstream>

std::vector<std::map<std::string, std::string>> StatsLines(const std::string& output) {
    std::vector<std::map<std::string, std::string>> lines;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("STATS ", 0) != 0) {
            continue;
        }
        std::istringstream fields(line.substr(6));
        std::map<std::string, std::string> stats;
        std::string field;
        fields >> stats["name"];
        while (fields >> field) {
            const auto eq = field.find('=');
            if (eq != std::string::npos) {
                stats[field.substr(0, eq)] = field.substr(eq + 1);
            }
        }
        lines.push_back(stats);
    }
    return lines;
}

std::vector<std::string> FirstMatch(const std::string& snapshots) {
    std::vector<std::string> parts;
    std::istringstream in(snapshots.substr(0, snapshots.find(';')));
    std::string part;
    while (std::getline(in, part, ',')) {
        parts.push_back(part);
    }
    return parts;
}
