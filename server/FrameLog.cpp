#include "server/FrameLog.h"

#include <cerrno>
#include <cinttypes>
#include <cstring>

FrameLog::~FrameLog() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool FrameLog::Open(const std::string& path) {
    m_file = std::fopen(path.c_str(), "w");
    if (m_file == nullptr) {
        std::fprintf(stderr, "Cannot write the frame log %s: %s\n", path.c_str(), std::strerror(errno));
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

void FrameLog::Close(const RakNet::TransportTotals& totals, double runSeconds) {
    if (m_file == nullptr) {
        return;
    }
    std::fprintf(m_file,
                 "# transport seconds=%.3f sent_bytes=%" PRIu64 " received_bytes=%" PRIu64
                 " sent_datagrams=%" PRIu64 " received_datagrams=%" PRIu64 "\n",
                 runSeconds, totals.bytesSent, totals.bytesReceived, totals.datagramsSent,
                 totals.datagramsReceived);
    std::fclose(m_file);
    m_file = nullptr;
}
