#include "client/app/MemoryUsage.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>

namespace {

// The kibibytes of a "Name:   1234 kB" line of the status text; false when the field is absent or malformed.
bool FindKibibytes(std::string_view status, std::string_view field, std::uint64_t& kibibytes) {
    std::size_t start = 0;
    while (start < status.size()) {
        std::size_t end = status.find('\n', start);
        if (end == std::string_view::npos) {
            end = status.size();
        }
        std::string_view line = status.substr(start, end - start);
        start = end + 1;
        if (line.size() <= field.size() || line.substr(0, field.size()) != field ||
            line[field.size()] != ':') {
            continue;
        }
        line.remove_prefix(field.size() + 1);
        const std::size_t digits = line.find_first_not_of(" \t");
        if (digits == std::string_view::npos) {
            return false;
        }
        line.remove_prefix(digits);
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), kibibytes);
        return error == std::errc() && std::string_view(rest, line.data() + line.size()) == " kB";
    }
    return false;
}

int Mebibytes(std::uint64_t kibibytes) {
    const std::uint64_t mebibytes = kibibytes >> 10;
    return mebibytes > static_cast<std::uint64_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(mebibytes);
}

}  // namespace

bool MemoryUsage::Update() {
    std::ifstream file("/proc/self/status");
    if (!file) {
        return false;
    }
    // The status file is a few kilobytes; a fixed limit keeps a malformed one from growing without bound.
    std::string text(16384, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return UpdateFrom(text);
}

bool MemoryUsage::UpdateFrom(std::string_view status) {
    std::uint64_t data = 0;
    std::uint64_t resident = 0;
    if (!FindKibibytes(status, "VmData", data) || !FindKibibytes(status, "VmRSS", resident)) {
        return false;
    }
    privateMegabytes = Mebibytes(data);
    workingSetMegabytes = Mebibytes(resident);
    return true;
}
