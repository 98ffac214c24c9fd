// Helpers of the fault tests: whether a check's findings name a fault, and the findings for a message.
#pragma once

#include <string>
#include <vector>

inline bool Mentions(const std::vector<std::string>& problems, const std::string& words) {
    for (const std::string& problem : problems) {
        if (problem.find(words) != std::string::npos) {
            return true;
        }
    }
    return false;
}

inline std::string Joined(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) {
        text += "\n  " + problem;
    }
    return text.empty() ? " none" : text;
}
