// The menu a player opens with Escape during a match: resume, leave to the main menu, or quit the game. The
// match reads the chosen action from Update (MenuAction::kResume, kMainMenu or kQuit).
#pragma once

#include "client/ui/Menu.h"

class PauseMenu : public Menu {
public:
    static constexpr const char* kResumeTexture = "../Ombrin/2DTextures/GUI/resume.png";
    static constexpr const char* kMainMenuTexture = "../Ombrin/2DTextures/GUI/main_menu.png";
    static constexpr const char* kQuitTexture = "../Ombrin/2DTextures/GUI/quit.png";

    // The three buttons, 300 x 98, one below the other under the window's centre.
    void Initialize();
};
