#include "FileOutput.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace {

bool WriteRaw(const std::filesystem::path& path, const void* data, std::size_t size, std::string& error) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) {
        error = "cannot open " + path.string() + " for writing";
        return false;
    }
    if ((size > 0 && std::fwrite(data, 1, size, file.get()) != size) || std::fflush(file.get()) != 0) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

}  // namespace

bool MakeFolder(const std::filesystem::path& folder, std::string& error) {
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code || !std::filesystem::is_directory(folder, code)) {
        error = "cannot create the folder " + folder.string() + (code ? ": " + code.message() : "");
        return false;
    }
    return true;
}

bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                    std::string& error) {
    return WriteRaw(path, bytes.data(), bytes.size(), error);
}

bool WriteFileText(const std::filesystem::path& path, const std::string& text, std::string& error) {
    return WriteRaw(path, text.data(), text.size(), error);
}
