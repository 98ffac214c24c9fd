#include "server/ServerApplication.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>

bool ServerApplication::Initialize(unsigned short port) {
    const bool listening = m_network.Initialize(port);
    m_timer.Start();
    m_firstFrame = true;
    m_started = std::chrono::steady_clock::now();
    return listening;
}

void ServerApplication::Run() {
    while (s_quit == 0) {
        m_network.WaitForPackets(InputWaitMS());
        Update();
    }
    RakNet::TransportTotals totals;
    if (m_network.GetPeer() != nullptr) {
        totals = m_network.GetPeer()->GetTransportTotals();
    }
    m_network.Shutdown();
    const std::chrono::duration<double> run = std::chrono::steady_clock::now() - m_started;
    char line[200];
    std::snprintf(line, sizeof(line),
                  "transport seconds=%.3f sent_bytes=%" PRIu64 " received_bytes=%" PRIu64
                  " sent_datagrams=%" PRIu64 " received_datagrams=%" PRIu64,
                  run.count(), totals.bytesSent, totals.bytesReceived, totals.datagramsSent,
                  totals.datagramsReceived);
    m_frameLog.Comment(line);
    m_frameLog.Close();
}

unsigned int ServerApplication::InputWaitMS(int connections, std::optional<double> secondsUntilTimerDue,
                                            double timeScale) {
    if (connections > 0) {
        return kIdleWaitMS;
    }
    if (!secondsUntilTimerDue) {
        return kUnattendedWaitMS;
    }
    const double milliseconds = std::ceil(std::max(0.0, *secondsUntilTimerDue) * 1000.0 / timeScale);
    return milliseconds < static_cast<double>(kUnattendedWaitMS) ? static_cast<unsigned int>(milliseconds)
                                                                 : kUnattendedWaitMS;
}

unsigned int ServerApplication::InputWaitMS() const {
    const GameState* game = m_network.GetGameState();
    return InputWaitMS(m_network.GetConnectionCount(),
                       game != nullptr ? game->SecondsUntilTimerDue() : std::nullopt, m_timeScale);
}

void ServerApplication::Update() {
    const double frameDelta = m_timer.Tick();
    if (!m_firstFrame) {
        const auto busyStart = std::chrono::steady_clock::now();
        m_network.ReceivePackets();
        m_network.Update(frameDelta * m_timeScale);
        const std::chrono::duration<double> busy = std::chrono::steady_clock::now() - busyStart;
        m_frameLog.Record(frameDelta, busy.count());
    }
    m_firstFrame = false;
}
