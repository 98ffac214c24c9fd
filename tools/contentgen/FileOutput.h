// Writing the generated files. Failures are reported, never thrown.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Creates the folder and its parents when missing.
bool MakeFolder(const std::filesystem::path& folder, std::string& error);
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                    std::string& error);
bool WriteFileText(const std::filesystem::path& path, const std::string& text, std::string& error);
