// The screen over the end of a match: a tint over the whole window, and buttons to continue to the lobby
// for the next level or to leave to the main menu. The match reads the chosen action from Update
// (MenuAction::kContinue or kMainMenu); the victory or defeat banner is the round display's.
//
// The tint is the page's background, queued before the buttons (as every page queues its pictures), so it
// darkens the match and not the page's own buttons.
#pragma once

#include "client/ui/Menu.h"

class VictoryMenu : public Menu {
public:
    static constexpr const char* kTintTexture = "../Ombrin/2DTextures/GUI/bgTint.png";
    static constexpr const char* kContinueTexture = "../Ombrin/2DTextures/GUI/continue.png";
    static constexpr const char* kMainMenuTexture = "../Ombrin/2DTextures/GUI/main_menu.png";

    // The tint the size of the screen, and the two buttons under the window's centre.
    void Initialize(float screenWidth, float screenHeight);
};
