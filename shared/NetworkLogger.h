// A transport plug-in that counts traffic instead of logging it: bits and packets per message name, in and
// out, over a window that the owner advances with its frame time. ReportTraffic turns the window into
// rates and message tables, publishes them for the whole process and starts a new window.
//
// The transport calls OnInternalPacket on the owner's thread (inside Receive and Send), so no lock is needed.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "raknet/PacketLogger.h"
#include "shared/TrafficReport.h"

class NetworkLogger : public RakNet::PacketLogger {
public:
    // Set by the server before it creates its logger: only bits are counted, the message tables stay empty.
    static inline bool serverMode = false;
    // The figures of the latest ReportTraffic in this process, for display.
    static inline TrafficReport lastReport;

    // Counted under this name: a packet too short to hold a message identifier.
    static constexpr const char* kEmptyPacketName = "(empty)";

    NetworkLogger() = default;

    bool UsesReliabilityLayer() const override { return true; }
    void OnInternalPacket(RakNet::InternalPacket* internalPacket, unsigned frameNumber,
                          RakNet::SystemAddress remote, RakNet::TimeMS time, int isSend) override;

    // The owner adds its frame time every frame and reports once the window passes five seconds.
    void AddWindowTime(double seconds) { m_windowTime += seconds; }
    double GetWindowTime() const { return m_windowTime; }

    // Publishes the window's rates and tables in lastReport and starts a new window.
    void ReportTraffic();

    // The current window's counts.
    std::uint32_t GetInBits() const { return m_inBits; }
    std::uint32_t GetOutBits() const { return m_outBits; }
    const std::map<std::string, int>& GetInMessageCounts() const { return m_inMessageCounts; }
    const std::map<std::string, int>& GetOutMessageCounts() const { return m_outMessageCounts; }

private:
    std::uint32_t m_inBits = 0;
    std::uint32_t m_outBits = 0;
    std::map<std::string, int> m_inMessageCounts;
    std::map<std::string, int> m_outMessageCounts;
    double m_windowTime = 0.0;  // seconds
};
