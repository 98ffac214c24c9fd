// Every model the tool writes, by file name in "../Ombrin/Models/" (exact letter case).
#pragma once

#include <string>
#include <vector>

#include "shared/ModelFileData.h"

struct ModelEntry {
    std::string fileName;
    ModelFileData (*build)();
};

std::vector<ModelEntry> ModelCatalog();
