#include "client/world/FloatingTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "client/ui/GUIQueue.h"

void FloatingTexts::Initialize(const std::string& name, bool localPlayer) {
    Shutdown();
    m_name.CreateText(localPlayer ? kLocalNameColour : kOtherNameColour, name, kNameSize, 0.0f, kNameAbove);
}

void FloatingTexts::Shutdown() {
    m_name.Release();
    m_popups.clear();
    m_onScreen = false;
}

std::string FloatingTexts::FormatAmount(float amount) {
    const float tenths = std::round(amount * 10.0f) / 10.0f;
    char text[32];
    if (!std::isfinite(tenths)) {
        return "?";
    }
    if (tenths == std::round(tenths)) {
        std::snprintf(text, sizeof(text), "%.0f", static_cast<double>(tenths));
    } else {
        std::snprintf(text, sizeof(text), "%.1f", static_cast<double>(tenths));
    }
    return text;
}

void FloatingTexts::ShowDamage(float amount) {
    Add(kDamageColour, FormatAmount(amount));
}

void FloatingTexts::ShowHeal(float amount) {
    Add(kHealColour, FormatAmount(amount));
}

void FloatingTexts::ShowNotice(const std::string& text) {
    for (Popup& popup : m_popups) {
        if (popup.text->colour == kNoticeColour && popup.text->GetText() == text) {
            popup.age = 0.0f;
            PlacePopups();
            return;
        }
    }
    Add(kNoticeColour, text);
}

void FloatingTexts::Add(std::uint32_t colour, const std::string& text) {
    Popup popup;
    popup.text = std::make_unique<TextObject>();
    popup.text->CreateText(colour, text, kPopupSize, m_x, m_y + kPopupAbove);
    m_popups.push_back(std::move(popup));
    PlacePopups();
}

void FloatingTexts::Update(float frameTime) {
    if (!(frameTime > 0.0f)) {
        return;
    }
    for (Popup& popup : m_popups) {
        popup.age += frameTime;
    }
    std::erase_if(m_popups, [](const Popup& popup) { return popup.age > kLifetime; });
    PlacePopups();
}

void FloatingTexts::Place(float x, float y, bool onScreen) {
    m_x = x;
    m_y = y;
    m_onScreen = onScreen;
    if (onScreen) {
        m_name.SetPosition(x, y + kNameAbove);
        PlacePopups();
    }
}

void FloatingTexts::PlacePopups() {
    for (Popup& popup : m_popups) {
        popup.text->SetPosition(m_x, m_y + kPopupAbove + popup.age * kRiseSpeed);
    }
}

void FloatingTexts::Render() const {
    if (!m_onScreen) {
        return;
    }
    GUIQueue& queue = GUIQueue::GetInstance();
    queue.AddText(&m_name);
    for (const Popup& popup : m_popups) {
        queue.AddText(popup.text.get());
    }
}

std::vector<std::string> FloatingTexts::PopupTexts() const {
    std::vector<std::string> texts;
    for (const Popup& popup : m_popups) {
        texts.push_back(popup.text->GetText());
    }
    return texts;
}

std::vector<std::uint32_t> FloatingTexts::PopupColours() const {
    std::vector<std::uint32_t> colours;
    for (const Popup& popup : m_popups) {
        colours.push_back(popup.text->colour);
    }
    return colours;
}
