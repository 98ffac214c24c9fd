// The process's memory in mebibytes, sampled once per frame from /proc/self/status: the private data
// (VmData) and the resident set (VmRSS).
#pragma once

#include <string_view>

class MemoryUsage {
public:
    // Reads /proc/self/status; false (values kept) when it cannot be read.
    bool Update();
    // Takes the values from the text of a status file; false (values kept) unless both fields are there.
    bool UpdateFrom(std::string_view status);

    int privateMegabytes = 0;
    int workingSetMegabytes = 0;
};
