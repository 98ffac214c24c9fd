#include "shared/LevelTokenizer.h"

std::vector<LevelLine> TokenizeLevelText(std::string_view text) {
    std::vector<LevelLine> lines;
    LevelLine line;
    std::string token;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        token.push_back(c);
        if (c == ' ') {
            line.push_back(std::move(token));
            token.clear();
        } else if (c == '\n') {
            line.push_back(std::move(token));
            token.clear();
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    return lines;
}
