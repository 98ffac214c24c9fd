// One ability on the match's ability bar: its icon, a dark overlay over the part of the icon that stands for
// the cooldown still to run, the seconds left, the charges left and the key that casts it.
#pragma once

#include <cstdint>
#include <string>

#include "client/ui/GUIElement.h"
#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

class AbilitySlot {
public:
    static constexpr float kIconSize = 46.0f;
    static constexpr const char* kOverlayTexture = "../Ombrin/2DTextures/GUI/TB_cd.png";
    static constexpr std::uint32_t kLabelColour = 0xFF071E31u;
    static constexpr std::uint32_t kTimerColour = 0xFF0000FFu;  // red

    // The slot centred on (x, y) with its icon picture and its key's label ("M1", "Q").
    void Initialize(float x, float y, const std::string& icon, const std::string& hotkey);
    // cooldownLeft and cooldownTotal in seconds; charges as the ability counts them. The overlay covers the
    // lower part of the icon in proportion to the cooldown left and shrinks from the top; the timer shows the
    // seconds left cut to three characters ("2.5", "12.") and is empty once the cooldown has run out; the
    // charge text is laid out again only when the count changed.
    void Update(float cooldownLeft, float cooldownTotal, int charges);
    // Queues the icon, the overlay, then the key, charge and timer texts.
    void Render() const;
    void Shutdown();

    // The share of the icon the overlay covers, 0..1: cooldownLeft / cooldownTotal, at most 1. A cooldown
    // that has run out (0 or below, or not a number) covers nothing; an ability without a cooldown length
    // (total 0 or below) is covered whole while any cooldown is left.
    static float CoveredShare(float cooldownLeft, float cooldownTotal);
    // The timer's text for that many seconds left.
    static std::string TimerText(float cooldownLeft);

    const MenuItem& Icon() const { return m_icon; }
    const GUIElement& Overlay() const { return m_overlay; }
    const TextObject& Hotkey() const { return m_hotkey; }
    const TextObject& Charges() const { return m_charges; }
    const TextObject& Timer() const { return m_timer; }

private:
    MenuItem m_icon;
    GUIElement m_overlay;
    TextObject m_hotkey;
    TextObject m_charges;
    TextObject m_timer;
    int m_lastCharges = -1;
};
