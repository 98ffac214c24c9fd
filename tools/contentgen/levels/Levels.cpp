#include "levels/Levels.h"

std::vector<LevelEntry> LevelCatalog() {
    return {
        {"NightTimeArena.ZMDL", &BuildNightTimeArena},
        {"SakuraGarden.ZMDL", &BuildSakuraGarden},
    };
}

std::string LevelListText() {
    std::string text;
    for (const LevelEntry& level : LevelCatalog()) {
        text += level.fileName + "\n";
    }
    return text;
}
