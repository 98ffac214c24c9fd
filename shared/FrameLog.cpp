#include "shared/FrameLog.h"

#include <cerrno>
#include <cstring>

#include "shared/ConsoleLog.h"

FrameLog::~FrameLog() {
    Close();
}

bool FrameLog::Open(const std::string& path) {
    Close();
    m_file = std::fopen(path.c_str(), "w");
    if (m_file == nullptr) {
        LogProblem("Cannot write the frame log %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    std::fprintf(m_file, "# frame_ms busy_ms\n");
    return true;
}

void FrameLog::Record(double frameSeconds, double busySeconds) {
    if (m_file != nullptr) {
        std::fprintf(m_file, "%.4f %.4f\n", frameSeconds * 1000.0, busySeconds * 1000.0);
    }
}

void FrameLog::Comment(const std::string& text) {
    if (m_file != nullptr) {
        std::fprintf(m_file, "# %s\n", text.c_str());
    }
}

void FrameLog::Close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}
