#include "shared/ConsoleLog.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

void Write(std::FILE* stream, const char* format, std::va_list arguments) {
    std::va_list measure;
    va_copy(measure, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        return;
    }
    std::string line(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(line.data(), line.size(), format, arguments);
    line.pop_back();
    std::fputs(line.c_str(), stream);
    std::fflush(stream);
}

}  // namespace

void LogInfo(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    Write(stdout, format, arguments);
    va_end(arguments);
}

void LogProblem(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    Write(stderr, format, arguments);
    va_end(arguments);
}
