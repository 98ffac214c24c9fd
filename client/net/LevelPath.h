// Which level paths a server may name: a plain file name in the game's level folder. Anything else
// (another folder, "..", an empty name) would let a server make the client open a file of its choosing.
#pragma once

#include <string_view>

#include "shared/DataPaths.h"

bool IsAcceptedLevelPath(std::string_view path);
