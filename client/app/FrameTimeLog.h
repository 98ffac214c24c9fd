// The frame-time log the player or a benchmark asks for with --frame-log: one line per frame with the time
// since the previous frame and the time the frame spent working (its update and render, the hand-over
// of the image included), both in milliseconds, in the same format as the server's log. Lines starting with
// "#" are comments.
#pragma once

#include <cstdio>
#include <string>

class FrameTimeLog {
public:
    FrameTimeLog() = default;
    ~FrameTimeLog();
    FrameTimeLog(const FrameTimeLog&) = delete;
    FrameTimeLog& operator=(const FrameTimeLog&) = delete;

    // Creates or truncates the file; false (with the reason on standard error) when it cannot be written.
    bool Open(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }
    void Record(double frameSeconds, double busySeconds);
    // Flushes and closes the file; does nothing when the log is not open.
    void Close();

private:
    std::FILE* m_file = nullptr;
};
