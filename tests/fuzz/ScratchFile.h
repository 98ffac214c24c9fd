// Fuzz targets whose code under test reads files: the input is written to a scratch file of the process
// first, and the program's own console output is kept out of the fuzzer's log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The process's scratch file with this suffix, in the temporary folder; removed when the process exits.
std::string ScratchPath(const char* suffix);
// Writes the bytes to the scratch file; false when it cannot be written.
bool WriteScratch(const std::string& path, const std::uint8_t* data, std::size_t size);
// Sends standard output to /dev/null for the rest of the process.
void SilenceStandardOutput();

// Sends standard error to /dev/null while it lives (the fuzzer's own reports come after it is gone).
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int m_saved = -1;
};

}  // namespace fuzz
