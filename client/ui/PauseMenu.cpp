#include "client/ui/PauseMenu.h"

#include "client/ui/MatchMenuLayout.h"

void PauseMenu::Initialize() {
    Shutdown();
    AddButton(0.0f, kMatchMenuTopY, kMatchMenuButtonWidth, kMatchMenuButtonHeight, kResumeTexture,
              MenuAction::kResume);
    AddButton(0.0f, kMatchMenuMiddleY, kMatchMenuButtonWidth, kMatchMenuButtonHeight, kMainMenuTexture,
              MenuAction::kMainMenu);
    AddButton(0.0f, kMatchMenuBottomY, kMatchMenuButtonWidth, kMatchMenuButtonHeight, kQuitTexture,
              MenuAction::kQuit);
}
