#include "client/world/effects/FlashBangFlash.h"

#include <algorithm>

#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"

void FlashBangFlash::Blind() {
    m_phase = Phase::Rising;
    m_held = 0.0f;
}

void FlashBangFlash::Update(float dt) {
    switch (m_phase) {
        case Phase::Off:
            return;
        case Phase::Rising:
            m_opacity = std::min(m_opacity + kRiseRate * dt, 1.0f);
            if (m_opacity >= 1.0f) {
                m_phase = Phase::Holding;
                m_held = 0.0f;
            }
            return;
        case Phase::Holding:
            m_held += dt;
            if (m_held >= kHoldSeconds) {
                m_phase = Phase::Falling;
            }
            return;
        case Phase::Falling:
            m_opacity = std::max(m_opacity - kFallRate * dt, 0.0f);
            if (m_opacity <= 0.0f) {
                m_phase = Phase::Off;
            }
            return;
    }
}

void FlashBangFlash::Clear() {
    m_phase = Phase::Off;
    m_opacity = 0.0f;
    m_held = 0.0f;
}

// GUI space has its origin at the window's centre, so the picture centred there covers the whole window.
void FlashBangFlash::Render(float windowWidth, float windowHeight) {
    if (!IsBlinding()) {
        return;
    }
    m_element.width = windowWidth;
    m_element.height = windowHeight;
    m_element.x = 0.0f;
    m_element.y = 0.0f;
    m_element.opacity = m_opacity;
    m_element.texture = TextureLibrary::GetInstance().GetTexture(kTexture);
    GUIQueue::GetInstance().AddElement(&m_element);
}
