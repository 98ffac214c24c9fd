// The frame-time log a host or a benchmark asks for with --frame-log: one line per frame with the time since
// the previous frame and the time the frame spent working (receiving, dispatching, updating the game), both
// in milliseconds, and at the end a line with the transport's totals. Lines starting with "#" are comments.
#pragma once

#include <cstdio>
#include <string>

#include "raknet/RakPeerInterface.h"

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
    // Writes the totals line and closes the file; does nothing when the log is not open.
    void Close(const RakNet::TransportTotals& totals, double runSeconds);

private:
    std::FILE* m_file = nullptr;
};
