// The levels the tool writes, in the order of the server's rotation (the first is the default level).
#pragma once

#include <string>
#include <vector>

#include "levels/LevelLayout.h"

struct LevelEntry {
    std::string fileName;  // in "../Ombrin/Levels/"
    LevelLayout (*build)();
};

LevelLayout BuildNightTimeArena();
LevelLayout BuildSakuraGarden();

std::vector<LevelEntry> LevelCatalog();

// The server's level list: the catalog's file names, one per line, each ended by LF.
std::string LevelListText();
