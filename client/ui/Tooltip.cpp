#include "client/ui/Tooltip.h"

#include "client/ui/GUIQueue.h"

void Tooltip::Initialize(const std::string& text, float windowWidth, float windowHeight) {
    m_frame.InitializeItem(0.0f, kY, windowWidth / 3.0f, windowHeight / 6.83f, kFrameTexture);
    m_text.CreateText(0xFFFFFFFFu, text, kTextSize, 0.0f, kY);
}

void Tooltip::Render() const {
    m_frame.Render();
    GUIQueue::GetInstance().AddText(&m_text);
}

void Tooltip::Shutdown() {
    m_frame.Shutdown();
    m_text.Release();
}
