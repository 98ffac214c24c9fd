#include "server/ServerApplication.h"

bool ServerApplication::Initialize(unsigned short port) {
    const bool listening = m_network.Initialize(port);
    m_timer.Start();
    m_firstFrame = true;
    m_started = std::chrono::steady_clock::now();
    return listening;
}

void ServerApplication::Run() {
    while (s_quit == 0) {
        m_network.WaitForPackets(kIdleWaitMS);
        Update();
    }
    RakNet::TransportTotals totals;
    if (m_network.GetPeer() != nullptr) {
        totals = m_network.GetPeer()->GetTransportTotals();
    }
    m_network.Shutdown();
    const std::chrono::duration<double> run = std::chrono::steady_clock::now() - m_started;
    m_frameLog.Close(totals, run.count());
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
