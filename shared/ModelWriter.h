// Writes model files in the layout the parser reads (see ModelFileData.h). The writer refuses a model that
// the parser would reject, so every file it writes loads back field for field; the box radius is not
// stored and is derived again on reading.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shared/ModelFileData.h"

// Replaces bytes with the file's contents. On failure returns false, leaves bytes empty and sets error.
bool WriteModelFile(const ModelFileData& model, std::vector<std::uint8_t>& bytes, std::string& error);

// Writes the file at path (created or replaced). On failure returns false and sets error.
bool SaveModelFile(const std::string& path, const ModelFileData& model, std::string& error);
