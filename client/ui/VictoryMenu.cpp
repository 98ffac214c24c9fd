#include "client/ui/VictoryMenu.h"

#include "client/ui/MatchMenuLayout.h"

void VictoryMenu::Initialize(float screenWidth, float screenHeight) {
    Shutdown();
    AddBackground(0.0f, 0.0f, screenWidth, screenHeight, kTintTexture);
    AddButton(0.0f, kMatchMenuMiddleY, kMatchMenuButtonWidth, kMatchMenuButtonHeight, kContinueTexture,
              MenuAction::kContinue);
    AddButton(0.0f, kMatchMenuBottomY, kMatchMenuButtonWidth, kMatchMenuButtonHeight, kMainMenuTexture,
              MenuAction::kMainMenu);
}
