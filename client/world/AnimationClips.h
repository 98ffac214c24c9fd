// The sixteen clip slots of a ninja model, looked up by animation name, and the action numbers that
// AnimationState::PlayAction takes (the numbers ID_ANIMATION carries between players).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

enum class ClipSlot {
    RunF,   // lower: running forwards
    RunA,   // upper: arms while running forwards
    RunB,   // lower: running backwards
    RunAB,  // upper: arms while running backwards or sideways
    RunL,   // lower: running sideways
    RunR,   // lower: running sideways, the other side
    IdleL,  // lower: standing
    IdleA,  // upper: arms while standing
    DeadL,  // lower: death
    DeadA,  // upper: death
    Melee,  // upper: action 0
    Range,  // upper: action 1
    Tool,   // upper: action 4
    Spec1,  // upper: action 2
    Spec2,  // upper: action 3
    Turn,   // lower: turning on the spot
};

inline constexpr std::size_t kClipSlotCount = 16;

// The animation name each slot takes, by slot index.
inline constexpr std::array<std::string_view, kClipSlotCount> kClipSlotNames = {
    "RunF",  "RunA",  "RunB",  "RunAB", "RunL", "RunR",  "IdleL", "IdleA",
    "DeadL", "DeadA", "Melee", "Range", "Tool", "Spec1", "Spec2", "Turn",
};

// Action numbers. 0 to 4 start an upper-body clip; 5 is "no action"; 6 is death and 7 revival.
namespace AnimationAction {
inline constexpr int kMelee = 0;
inline constexpr int kRange = 1;
inline constexpr int kSpecial1 = 2;
inline constexpr int kSpecial2 = 3;
inline constexpr int kTool = 4;
inline constexpr int kNone = 5;
inline constexpr int kDeath = 6;
inline constexpr int kRevival = 7;
}  // namespace AnimationAction
