#include "ScratchFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fuzz {

namespace {

std::vector<std::string>& ScratchFiles() {
    static std::vector<std::string> files;
    return files;
}

void RemoveScratchFiles() {
    for (const std::string& file : ScratchFiles()) {
        std::remove(file.c_str());
    }
}

}  // namespace

std::string ScratchPath(const char* suffix) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("ombrin_fuzz_" + std::to_string(getpid()) + suffix))
            .string();
    if (ScratchFiles().empty()) {
        std::atexit(RemoveScratchFiles);
    }
    ScratchFiles().push_back(path);
    return path;
}

bool WriteScratch(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool complete = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && complete;
}

void SilenceStandardOutput() {
    std::fflush(stdout);
    const int devnull = open("/dev/null", O_WRONLY);
    if (devnull >= 0) {
        dup2(devnull, STDOUT_FILENO);
        close(devnull);
    }
}

QuietStandardError::QuietStandardError() {
    std::fflush(stderr);
    m_saved = dup(STDERR_FILENO);
    const int devnull = open("/dev/null", O_WRONLY);
    if (devnull >= 0) {
        dup2(devnull, STDERR_FILENO);
        close(devnull);
    }
}

QuietStandardError::~QuietStandardError() {
    std::fflush(stderr);
    if (m_saved >= 0) {
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
    }
}

}  // namespace fuzz
