// Fuzz target: the server's level list reader on arbitrary file contents. The list is never empty, and each
// entry is the level folder followed by the text of one non-empty line of the file, at most 255 characters
// long, without its line end.
#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "ScratchFile.h"
#include "server/LevelList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzz::ScratchPath(".cfg");
    if (!fuzz::WriteScratch(path, data, size)) {
        return 0;
    }
    std::vector<std::string> levels;
    {
        const fuzz::QuietStandardError quiet;  // long lines are reported there
        levels = LoadLevelList(path);
    }
    FUZZ_CHECK(!levels.empty());
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    FUZZ_CHECK(levels.size() <= lines);
    const std::string folder{kLevelFolder};
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const std::string& level : levels) {
        FUZZ_CHECK(level.size() > folder.size() && level.size() <= folder.size() + kMaxLevelListLine);
        FUZZ_CHECK(level.compare(0, folder.size(), folder) == 0);
        const std::string line = level.substr(folder.size());
        FUZZ_CHECK(line.find('\n') == std::string::npos);
        FUZZ_CHECK(level == kDefaultLevel || text.find(line) != std::string::npos);
    }
    return 0;
}
