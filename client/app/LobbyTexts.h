// The descriptions the lobby shows: each ninja's four abilities (melee, ranged, Q, E) and the four tools.
#pragma once

#include <array>

inline constexpr int kNinjaCount = 3;
inline constexpr int kLobbyToolCount = 4;
inline constexpr int kNinjaAbilityCount = 4;

// By ninja (0 katana, 1 tessen, 2 naginata), then slot (melee, ranged, Q, E).
extern const std::array<std::array<const char*, kNinjaAbilityCount>, kNinjaCount> kAbilityDescriptions;
// By tool (0 caltrops, 1 smoke bomb, 2 sticky trap, 3 flash bang).
extern const std::array<const char*, kLobbyToolCount> kToolDescriptions;
