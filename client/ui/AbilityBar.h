// The local player's five abilities at the bottom of the match screen: melee (M1), ranged (M2), Q, E and the
// tool (R), each an AbilitySlot on one background, with the icons of the player's ninja and tool.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "client/ui/AbilitySlot.h"
#include "client/ui/MenuItem.h"

// One ability's figures for a frame.
struct AbilityReading {
    float cooldownLeft = 0.0f;   // seconds
    float cooldownTotal = 0.0f;  // seconds
    int charges = 0;
};

class AbilityBar {
public:
    static constexpr std::size_t kSlotCount = 5;
    static constexpr std::size_t kToolSlot = 4;
    static constexpr const char* kBackgroundTexture = "../Ombrin/2DTextures/GUI/tb_bg.png";

    // The bar centred on (x, y) for ninja 0..2 and tool 0..3; a slot whose ninja or tool is none of those
    // shows the placeholder picture. Returns true.
    bool Initialize(float x, float y, int character, int tool);
    void Update(const std::array<AbilityReading, kSlotCount>& readings);
    // Queues the background, then each slot.
    void Render() const;
    void Shutdown();

    // The icon of slot 0..4 for that ninja and tool.
    static std::string IconTexture(std::size_t slot, int character, int tool);

    const MenuItem& Background() const { return m_background; }
    const AbilitySlot& Slot(std::size_t slot) const { return m_slots.at(slot); }

private:
    MenuItem m_background;
    std::array<AbilitySlot, kSlotCount> m_slots;
};
