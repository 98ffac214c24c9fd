#include "client/app/LobbyAbilityBar.h"

#include <string>

#include "client/ui/GUIQueue.h"

namespace {
constexpr std::uint32_t kKeyColour = 0xFF000000u;  // black
constexpr float kKeySize = 25.0f;
constexpr float kIconSize = 50.0f;
constexpr const char* kSlotNames[kNinjaAbilityCount] = {"Melee", "Ranged", "Q", "E"};
constexpr const char* kKeys[kNinjaAbilityCount] = {"M1", "M2", "Q", "E"};
}  // namespace

void LobbyAbilityBar::Initialize(int ninja, float windowWidth, float windowHeight) {
    if (ninja < 0 || ninja >= kNinjaCount) {
        ninja = 0;
    }
    m_bar.InitializeItem(0.0f, kBarY, 370.0f, 100.0f, "../Ombrin/2DTextures/GUI/abilitybarLobby.png");
    const std::string prefix = "../Ombrin/2DTextures/Abilities/TB_N" + std::to_string(ninja + 1) + "_";
    for (std::size_t slot = 0; slot < kNinjaAbilityCount; ++slot) {
        m_icons[slot].InitializeItem(kIconX[slot], kBarY, kIconSize, kIconSize,
                                     prefix + kSlotNames[slot] + ".png");
        m_keys[slot].CreateText(kKeyColour, kKeys[slot], kKeySize, kIconX[slot], -80.0f);
        m_tooltips[slot].Initialize(kAbilityDescriptions[static_cast<std::size_t>(ninja)][slot], windowWidth,
                                    windowHeight);
    }
    m_keys[kNinjaAbilityCount].CreateText(kKeyColour, "R", kKeySize, 0.0f, -170.0f);
    m_shown = -1;
}

void LobbyAbilityBar::Update(float mouseX, float mouseY) {
    m_shown = -1;
    if (mouseY < kHoverBottom || mouseY > kHoverTop) {
        return;
    }
    for (std::size_t slot = 0; slot < kNinjaAbilityCount; ++slot) {
        if (mouseX > kIconX[slot] - kIconHalf && mouseX < kIconX[slot] + kIconHalf) {
            m_shown = static_cast<int>(slot);
            return;
        }
    }
}

void LobbyAbilityBar::Render() const {
    m_bar.Render();
    GUIQueue& queue = GUIQueue::GetInstance();
    for (std::size_t slot = 0; slot < kNinjaAbilityCount; ++slot) {
        m_icons[slot].Render();
    }
    for (const TextObject& key : m_keys) {
        queue.AddText(&key);
    }
    if (m_shown >= 0) {
        m_tooltips[static_cast<std::size_t>(m_shown)].Render();
    }
}

void LobbyAbilityBar::Shutdown() {
    m_bar.Shutdown();
    for (MenuItem& icon : m_icons) {
        icon.Shutdown();
    }
    for (TextObject& key : m_keys) {
        key.Release();
    }
    for (Tooltip& tooltip : m_tooltips) {
        tooltip.Shutdown();
    }
    m_shown = -1;
}
