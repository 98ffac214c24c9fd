// Writes a level layout as level file text: a header line, the entity count plus one, the box count, the
// box lines and the entity lines, each line ended by LF and every field separated by exactly one space.
// Positions become the file's right-handed coordinates (z negated) and rotations are written so that the
// loader restores the layout's values.
#pragma once

#include <string>

#include "levels/LevelLayout.h"

// Numbers in plain decimal with at most four decimals, no exponent and never "-0".
std::string FormatLevelNumber(float value);

// On success sets text and returns true. Fails, with the reason in error, when a name holds a space or a
// line break, or when the loader would classify a name as something other than the layout meant (a model
// name holding "spawnPoint", say).
bool WriteLevelText(const LevelLayout& layout, std::string& text, std::string& error);
