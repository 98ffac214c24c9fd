#include "client/ui/AbilitySlot.h"

#include <algorithm>
#include <cmath>

#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"

namespace {
constexpr float kHotkeySize = 25.0f;
constexpr float kChargeSize = 20.0f;
constexpr float kTimerSize = 36.0f;
constexpr float kHotkeyAbove = 36.0f;
constexpr float kChargeBelow = 35.0f;
constexpr std::size_t kTimerLength = 3;
}  // namespace

void AbilitySlot::Initialize(float x, float y, const std::string& icon, const std::string& hotkey) {
    m_icon.InitializeItem(x, y, kIconSize, kIconSize, icon);
    m_overlay = GUIElement{};
    m_overlay.x = x;
    m_overlay.y = y;
    m_overlay.width = kIconSize;
    m_overlay.height = 0.0f;
    m_overlay.texture = TextureLibrary::GetInstance().GetTexture(kOverlayTexture);
    m_hotkey.CreateText(kLabelColour, hotkey, kHotkeySize, x, y + kHotkeyAbove);
    m_charges.CreateText(kLabelColour, "", kChargeSize, x, y - kChargeBelow);
    m_timer.CreateText(kTimerColour, "", kTimerSize, x, y);
    m_lastCharges = -1;
}

float AbilitySlot::CoveredShare(float cooldownLeft, float cooldownTotal) {
    if (!(cooldownLeft > 0.0f)) {
        return 0.0f;
    }
    if (!(cooldownTotal > 0.0f)) {
        return 1.0f;
    }
    return std::min(cooldownLeft / cooldownTotal, 1.0f);
}

std::string AbilitySlot::TimerText(float cooldownLeft) {
    if (!(cooldownLeft > 0.0f) || !std::isfinite(cooldownLeft)) {
        return "";
    }
    return std::to_string(cooldownLeft).substr(0, kTimerLength);
}

void AbilitySlot::Update(float cooldownLeft, float cooldownTotal, int charges) {
    const float share = CoveredShare(cooldownLeft, cooldownTotal);
    m_overlay.height = kIconSize * share;
    m_overlay.y = m_icon.Y() - (1.0f - share) * kIconSize / 2.0f;

    const std::string timer = TimerText(cooldownLeft);
    if (timer != m_timer.GetText()) {
        m_timer.SetText(timer);
    }
    if (charges != m_lastCharges) {
        m_charges.SetText(std::to_string(charges));
        m_lastCharges = charges;
    }
}

void AbilitySlot::Render() const {
    m_icon.Render();
    GUIQueue& queue = GUIQueue::GetInstance();
    queue.AddElement(&m_overlay);
    queue.AddText(&m_hotkey);
    queue.AddText(&m_charges);
    queue.AddText(&m_timer);
}

void AbilitySlot::Shutdown() {
    m_icon.Shutdown();
    m_overlay.texture = {};
    m_hotkey.Release();
    m_charges.Release();
    m_timer.Release();
    m_lastCharges = -1;
}
