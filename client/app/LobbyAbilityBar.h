// One ninja's abilities in the lobby: the bar with the four ability icons and their keys, the tool's key
// below the tool icon, and a tooltip with the description of the icon under the mouse.
#pragma once

#include <array>

#include "client/app/LobbyTexts.h"
#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"
#include "client/ui/Tooltip.h"

class LobbyAbilityBar {
public:
    static constexpr float kBarY = -40.0f;
    static constexpr std::array<float, kNinjaAbilityCount> kIconX = {-126.0f, -42.0f, 42.0f, 126.0f};
    static constexpr float kIconHalf = 25.0f;
    // The band of y in which an icon's tooltip shows (both ends included).
    static constexpr float kHoverBottom = -65.0f;
    static constexpr float kHoverTop = -15.0f;

    // The bar of ninja 0..2 for a window of that size.
    void Initialize(int ninja, float windowWidth, float windowHeight);
    // Picks the tooltip of the icon under the mouse (GUI space), if any.
    void Update(float mouseX, float mouseY);
    void Render() const;
    void Shutdown();

    // The slot whose tooltip shows, or -1.
    int ShownTooltip() const { return m_shown; }
    const MenuItem& Icon(int slot) const { return m_icons.at(static_cast<std::size_t>(slot)); }
    const Tooltip& TooltipOf(int slot) const { return m_tooltips.at(static_cast<std::size_t>(slot)); }

private:
    MenuItem m_bar;
    std::array<MenuItem, kNinjaAbilityCount> m_icons;
    std::array<TextObject, kNinjaAbilityCount + 1> m_keys;  // M1, M2, Q, E, and R under the tool icon
    std::array<Tooltip, kNinjaAbilityCount> m_tooltips;
    int m_shown = -1;
};
