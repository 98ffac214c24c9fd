// The texts over a player's head in the match: its name (yellow for the local player, white for the others)
// above its health bar, and the short-lived numbers and notices that rise above it: damage taken in red,
// health gained in green, and "Can't use that ability." in white. Each pop-up rises for kLifetime seconds
// and goes. The owner places them every frame over the head's point on screen and queues them on the GUI
// queue; a head behind the camera shows none.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "client/ui/TextObject.h"

class FloatingTexts {
public:
    static constexpr std::uint32_t kLocalNameColour = 0xFF00FFFFu;  // yellow (red in the lowest byte)
    static constexpr std::uint32_t kOtherNameColour = 0xFFFFFFFFu;
    static constexpr std::uint32_t kDamageColour = 0xFF0000FFu;
    static constexpr std::uint32_t kHealColour = 0xFF00FF00u;
    static constexpr std::uint32_t kNoticeColour = 0xFFFFFFFFu;
    static constexpr const char* kCantUseText = "Can't use that ability.";
    static constexpr float kNameSize = 20.0f;
    static constexpr float kPopupSize = 24.0f;
    static constexpr float kLifetime = 1.0f;    // seconds a pop-up lives
    static constexpr float kRiseSpeed = 40.0f;  // pixels per second
    static constexpr float kNameAbove = 20.0f;  // pixels above the head's point
    static constexpr float kPopupAbove = 45.0f;

    FloatingTexts() = default;
    FloatingTexts(const FloatingTexts&) = delete;
    FloatingTexts& operator=(const FloatingTexts&) = delete;

    void Initialize(const std::string& name, bool localPlayer);
    void Shutdown();

    // A health change of amount (shown rounded to a tenth, without the decimal when whole).
    void ShowDamage(float amount);
    void ShowHeal(float amount);
    // A notice; the same notice still rising starts again instead of stacking.
    void ShowNotice(const std::string& text);

    // Ages the pop-ups and drops those older than kLifetime.
    void Update(float frameTime);
    // The head's point on screen (GUI pixels from the window centre); hidden while not on screen.
    void Place(float x, float y, bool onScreen);
    // Queues the name and the pop-ups on the GUI queue while on screen.
    void Render() const;

    const TextObject& Name() const { return m_name; }
    // The pop-ups' texts and colours, oldest first.
    std::vector<std::string> PopupTexts() const;
    std::vector<std::uint32_t> PopupColours() const;

    // The number as shown: "12", "12.5", "0.3".
    static std::string FormatAmount(float amount);

private:
    struct Popup {
        std::unique_ptr<TextObject> text;
        float age = 0.0f;
    };
    void Add(std::uint32_t colour, const std::string& text);
    void PlacePopups();

    TextObject m_name;
    std::vector<Popup> m_popups;
    float m_x = 0.0f;
    float m_y = 0.0f;
    bool m_onScreen = false;
};
