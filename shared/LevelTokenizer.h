// Splits level file text into lines of tokens. Every token keeps the space or LF that ended it, so a run
// of two spaces yields a token that is a lone space. A CR directly before an LF is dropped; text after the
// last LF is not part of any line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

using LevelLine = std::vector<std::string>;

std::vector<LevelLine> TokenizeLevelText(std::string_view text);
