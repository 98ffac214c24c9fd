// A contact sheet of a skinned model: each clip in a row, a few of its frames from the side and from the
// front, drawn with the model's own texture and simple lighting. It shows at a glance how the clips move
// the body, without the client.
#pragma once

#include <filesystem>
#include <string>

// Loads the model with the game's loader and writes the sheet. A ninja's upper clips are shown over its
// standing legs ("IdleL") and its lower clips under its standing arms ("IdleA"); a level prop shows its
// animations 0 and 1 together.
bool WriteModelSheet(const std::filesystem::path& modelFile, const std::filesystem::path& pngFile,
                     std::string& error);
