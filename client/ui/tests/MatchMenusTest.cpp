// The match's pause menu and victory screen on the null engine: which click reports which action, and the
// victory screen's tint under its own buttons.
#include <string>
#include <vector>

#include "client/ui/PauseMenu.h"
#include "client/ui/VictoryMenu.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

using MatchMenusTest = HudFixture;

TEST_F(MatchMenusTest, ThePauseMenuReportsResumeMainMenuOrQuit) {
    PauseMenu menu;
    menu.Initialize();
    const struct {
        const char* name;
        WidgetInput input;
        int action;
    } cases[] = {
        {"resume", ClickAt(0.0f, -10.0f), MenuAction::kResume},
        {"main menu", ClickAt(140.0f, -118.0f), MenuAction::kMainMenu},
        {"quit", ClickAt(-140.0f, -260.0f), MenuAction::kQuit},
        {"between two buttons", ClickAt(0.0f, -64.0f), MenuAction::kNothing},
        {"beside the buttons", ClickAt(160.0f, -10.0f), MenuAction::kNothing},
        {"over a button without a click", MouseAt(0.0f, -10.0f), MenuAction::kNothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(menu.Update(c.input).code, c.action);
    }
    menu.Render();
    EXPECT_EQ(DrawnPictures(),
              (std::vector<std::string>{PauseMenu::kResumeTexture, PauseMenu::kMainMenuTexture,
                                        PauseMenu::kQuitTexture}));
}

TEST_F(MatchMenusTest, TheVictoryScreenTintsTheMatchUnderItsOwnButtons) {
    VictoryMenu menu;
    menu.Initialize(1920.0f, 1080.0f);
    const struct {
        const char* name;
        WidgetInput input;
        int action;
    } cases[] = {
        {"continue", ClickAt(0.0f, -118.0f), MenuAction::kContinue},
        {"main menu", ClickAt(0.0f, -226.0f), MenuAction::kMainMenu},
        {"on the tint where the pause menu resumes", ClickAt(0.0f, -10.0f), MenuAction::kNothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(menu.Update(c.input).code, c.action);
    }
    menu.Render();
    const std::vector<Drawn> drawn = DrawQueue();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].picture, VictoryMenu::kTintTexture);
    EXPECT_FLOAT_EQ(drawn[0].width, 1920.0f);
    EXPECT_FLOAT_EQ(drawn[0].height, 1080.0f);
    EXPECT_EQ(drawn[1].picture, VictoryMenu::kContinueTexture);
    EXPECT_EQ(drawn[2].picture, VictoryMenu::kMainMenuTexture);
}

}  // namespace
}  // namespace ombrin::test
