#include "server/ServerApplication.h"

bool ServerApplication::Initialize(unsigned short port) {
    const bool listening = m_network.Initialize(port);
    m_timer.Start();
    m_firstFrame = true;
    return listening;
}

void ServerApplication::Run() {
    while (s_quit == 0) {
        m_network.WaitForPackets(kIdleWaitMS);
        Update();
    }
    m_network.Shutdown();
}

void ServerApplication::Update() {
    const double frameDelta = m_timer.Tick();
    if (!m_firstFrame) {
        m_network.ReceivePackets();
        m_network.Update(frameDelta);
    }
    m_firstFrame = false;
}
