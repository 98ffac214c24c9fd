#include "client/ui/AbilityBar.h"

#include "protocol/GameFacts.h"

namespace {

constexpr float kBarWidth = 370.0f;
constexpr float kBarHeight = 100.0f;
constexpr float kSlotsAbove = 10.0f;
constexpr std::array<float, AbilityBar::kSlotCount> kSlotX = {-135.0f, -70.0f, -5.0f, 60.0f, 135.0f};
constexpr std::array<const char*, AbilityBar::kSlotCount> kHotkeys = {"M1", "M2", "Q", "E", "R"};
constexpr std::array<const char*, AbilityBar::kToolSlot> kNinjaSlots = {"Melee", "Ranged", "Q", "E"};
constexpr std::array<const char*, kToolCount> kTools = {"Caltrops", "SmokeBomb", "StickyTARP", "FlashBang"};
constexpr const char* kAbilityFolder = "../Ombrin/2DTextures/Abilities/";

}  // namespace

std::string AbilityBar::IconTexture(std::size_t slot, int character, int tool) {
    if (slot < kToolSlot && character >= 0 && character < kCharacterCount) {
        return std::string(kAbilityFolder) + "TB_N" + std::to_string(character + 1) + "_" +
               kNinjaSlots[slot] + ".png";
    }
    if (slot == kToolSlot && tool >= 0 && tool < kToolCount) {
        return std::string(kAbilityFolder) + "TB_T_" + kTools[static_cast<std::size_t>(tool)] + ".png";
    }
    return AbilitySlot::kOverlayTexture;
}

bool AbilityBar::Initialize(float x, float y, int character, int tool) {
    m_background.InitializeItem(x, y, kBarWidth, kBarHeight, kBackgroundTexture);
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        m_slots[slot].Initialize(x + kSlotX[slot], y + kSlotsAbove, IconTexture(slot, character, tool),
                                 kHotkeys[slot]);
    }
    return true;
}

void AbilityBar::Update(const std::array<AbilityReading, kSlotCount>& readings) {
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        m_slots[slot].Update(readings[slot].cooldownLeft, readings[slot].cooldownTotal,
                             readings[slot].charges);
    }
}

void AbilityBar::Render() const {
    m_background.Render();
    for (const AbilitySlot& slot : m_slots) {
        slot.Render();
    }
}

void AbilityBar::Shutdown() {
    m_background.Shutdown();
    for (AbilitySlot& slot : m_slots) {
        slot.Shutdown();
    }
}
