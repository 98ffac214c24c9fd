// Where the match's two menus put their buttons: 300 x 98, centred on x = 0, 108 pixels apart from the
// window's centre down. The victory screen leaves the top place free.
#pragma once

inline constexpr float kMatchMenuButtonWidth = 300.0f;
inline constexpr float kMatchMenuButtonHeight = 98.0f;
inline constexpr float kMatchMenuTopY = -10.0f;
inline constexpr float kMatchMenuMiddleY = -118.0f;
inline constexpr float kMatchMenuBottomY = -226.0f;
