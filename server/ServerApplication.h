// The dedicated server program: the network side and the free-running frame loop.
#pragma once

#include <chrono>
#include <csignal>
#include <optional>
#include <string>

#include "server/FrameTimer.h"
#include "server/ServerNetwork.h"
#include "shared/FrameLog.h"

class ServerApplication {
public:
    // Starts listening and builds the game; false when the port cannot be bound.
    bool Initialize(unsigned short port = kServerPort);
    // Game time runs this many times faster than the clock (tests and benchmarks only; 1 by default).
    void SetTimeScale(double scale) { m_timeScale = scale; }
    // Logs every frame's times to the file and the transport's totals at the end; false when the file
    // cannot be written.
    bool OpenFrameLog(const std::string& path) { return m_frameLog.Open(path); }
    // Runs frames until RequestQuit, then shuts the network down.
    void Run();
    // One frame. The first frame only takes the time base: it reads no packets and advances nothing.
    void Update();
    // Safe from a signal handler: the loop ends after the current frame.
    static void RequestQuit() { s_quit = 1; }

    ServerNetwork& GetNetwork() { return m_network; }

    // While anybody is connected, a pass with no packet waiting sleeps at most this long for network input,
    // so that the server does not spin a core; frame times are still measured.
    static constexpr unsigned int kIdleWaitMS = 1;
    // With nobody connected a pass sleeps until network input arrives or a game timer is due, at most this
    // long.
    static constexpr unsigned int kUnattendedWaitMS = 100;

    // How long a pass waits for network input: kIdleWaitMS while there are connections; without any, until
    // the game's next timer is due (in game seconds, which run timeScale times faster than the clock),
    // rounded up to whole milliseconds and at most kUnattendedWaitMS.
    static unsigned int InputWaitMS(int connections, std::optional<double> secondsUntilTimerDue,
                                    double timeScale);
    // The same for this server as it stands.
    unsigned int InputWaitMS() const;

private:
    ServerNetwork m_network;
    FrameTimer m_timer;
    FrameLog m_frameLog;
    double m_timeScale = 1.0;
    bool m_firstFrame = true;
    std::chrono::steady_clock::time_point m_started;
    static inline volatile std::sig_atomic_t s_quit = 0;
};
