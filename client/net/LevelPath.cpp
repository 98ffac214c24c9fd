#include "client/net/LevelPath.h"

bool IsAcceptedLevelPath(std::string_view path) {
    const std::string_view folder = kLevelFolder;
    if (!path.starts_with(folder)) {
        return false;
    }
    const std::string_view file = path.substr(folder.size());
    if (file.empty() || file.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : file) {
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return true;
}
