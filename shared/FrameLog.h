// The frame-time log a host, a player or a benchmark asks for with --frame-log: one line per frame with the
// time since the previous frame and the time the frame spent working, both in milliseconds. Lines starting
// with "#" are comments (the server ends its log with one holding the transport's totals).
#pragma once

#include <cstdio>
#include <string>

class FrameLog {
public:
    FrameLog() = default;
    ~FrameLog();
    FrameLog(const FrameLog&) = delete;
    FrameLog& operator=(const FrameLog&) = delete;

    // Creates or truncates the file; false (with the reason on standard error) when it cannot be written.
    bool Open(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }
    void Record(double frameSeconds, double busySeconds);
    // One comment line: "# " and the text.
    void Comment(const std::string& text);
    // Closes the file; does nothing when the log is not open.
    void Close();

private:
    std::FILE* m_file = nullptr;
};
