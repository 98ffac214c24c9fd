// The server's rotation of levels, read from a text file with one level file name per line.
#pragma once

#include <string>
#include <vector>

#include "shared/DataPaths.h"

inline constexpr std::size_t kMaxLevelListLine = 255;

// Full level paths ("../Ombrin/Levels/" + line) in file order. Empty lines are skipped and a CR before the
// line end is dropped. A line longer than kMaxLevelListLine characters names no level file and is skipped
// with a warning. A missing file, or one without entries, gives the default level alone.
std::vector<std::string> LoadLevelList(const std::string& listPath);
