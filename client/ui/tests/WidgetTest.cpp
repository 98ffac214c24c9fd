// Buttons, checkboxes, pages and the credits screen on the null engine: where a click hits, which widget a
// page reports, the order in which a page queues its pictures, and the credits' scrolling.
#include <vector>

#include "client/ui/CreaditsScreen.h"
#include "client/ui/Menu.h"
#include "client/ui/tests/WidgetFixture.h"

namespace ombrin::test {
namespace {

using WidgetTest = WidgetFixture;

TEST_F(WidgetTest, AClickHitsInsideTheSidesAndOnTheTopAndBottomEdges) {
    MenuButton button;
    button.Initialize(0.0f, -118.0f, 301.0f, 98.0f, "../Ombrin/2DTextures/GUI/options.png", 7);
    const struct {
        const char* name;
        WidgetInput input;
        bool hit;
    } cases[] = {
        {"centre", ClickAt(0.0f, -118.0f), true},
        {"exactly on the left edge", ClickAt(-150.5f, -118.0f), false},
        {"exactly on the right edge", ClickAt(150.5f, -118.0f), false},
        {"just inside the left edge", ClickAt(-150.25f, -118.0f), true},
        {"just inside the right edge", ClickAt(150.25f, -118.0f), true},
        {"exactly on the top edge", ClickAt(0.0f, -69.0f), true},
        {"exactly on the bottom edge", ClickAt(0.0f, -167.0f), true},
        {"just above the top edge", ClickAt(0.0f, -68.75f), false},
        {"just below the bottom edge", ClickAt(0.0f, -167.25f), false},
        {"the mouse over it without a click", MouseAt(0.0f, -118.0f), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(button.IsClicked(c.input), c.hit);
    }
}

TEST_F(WidgetTest, APageReportsOneWidgetPerFrameButtonsFirst) {
    Menu page;
    page.AddButton(0.0f, 0.0f, 100.0f, 100.0f, "../Ombrin/2DTextures/GUI/back.png", 0);
    page.AddButton(10.0f, 0.0f, 100.0f, 100.0f, "../Ombrin/2DTextures/GUI/apply.png", 13);
    const std::size_t under = page.AddCheckbox(0.0f, 0.0f, false);  // covered by both buttons
    const std::size_t alone = page.AddCheckbox(300.0f, 0.0f, true);

    const struct {
        const char* name;
        WidgetInput input;
        MenuAction expected;
        bool underChecked;
        bool aloneChecked;
    } steps[] = {
        {"the first of two overlapping buttons wins; the checkbox under them keeps its state",
         ClickAt(5.0f, 0.0f), MenuAction{0, 0}, false, true},
        {"the second button where only it lies", ClickAt(55.0f, 0.0f), MenuAction{13, 0}, false, true},
        {"a checkbox reports 9 with its new state", ClickAt(300.0f, 0.0f), MenuAction{9, 0}, false, false},
        {"and flips back on the next click", ClickAt(300.0f, 10.0f), MenuAction{9, 1}, false, true},
        {"a click on nothing", ClickAt(500.0f, 300.0f), MenuAction{12, 0}, false, true},
        {"the mouse over a button without a click", MouseAt(0.0f, 0.0f), MenuAction{12, 0}, false, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const MenuAction action = page.Update(step.input);
        EXPECT_EQ(action.code, step.expected.code);
        EXPECT_EQ(action.value, step.expected.value);
        EXPECT_EQ(page.Checkbox(under).IsChecked(), step.underChecked);
        EXPECT_EQ(page.Checkbox(alone).IsChecked(), step.aloneChecked);
        EXPECT_EQ(page.Checkbox(alone).Texture(),
                  step.aloneChecked ? MenuCheckbox::kCheckedTexture : MenuCheckbox::kEmptyTexture);
    }
}

TEST_F(WidgetTest, APageQueuesItsBackgroundUnderItsWidgetsAndIsEmptyAfterShutdown) {
    Menu page;
    page.AddButton(1.0f, 0.0f, 10.0f, 10.0f, "../Ombrin/2DTextures/GUI/back.png", 0);
    page.AddCheckbox(2.0f, 0.0f, false);
    page.AddBackground(3.0f, 0.0f, 500.0f, 500.0f, "../Ombrin/2DTextures/GUI/bgTint.png");
    Lumaspace::GE* engine = Lumaspace::GE::GetInstance();
    engine->ClearRecordedCalls();
    page.Render();
    GUIQueue::GetInstance().Draw();
    std::vector<float> drawnAt;
    for (const Lumaspace::RecordedCall& call : engine->GetRecordedCalls()) {
        if (call.operation == "RenderGUI") {
            drawnAt.push_back(call.values.at(12));  // the x of the world matrix's translation
        }
    }
    EXPECT_EQ(drawnAt, (std::vector<float>{3.0f, 1.0f, 2.0f}));

    page.Shutdown();
    EXPECT_EQ(page.Update(ClickAt(1.0f, 0.0f)).code, MenuAction::kNothing);
    page.Render();
    EXPECT_EQ(GUIQueue::GetInstance().ElementCount(), 0u);
}

TEST_F(WidgetTest, CreditsScrollUpAt130PixelsPerSecondUntilReset) {
    CreaditsScreen credits;
    credits.AddButton(-479.5f, -334.0f, 301.0f, 98.0f, "../Ombrin/2DTextures/GUI/back.png", 0);
    credits.InitializeTexts("First", -600.0f, "Second", -1000.0f);
    for (int frame = 0; frame < 4; ++frame) {
        EXPECT_EQ(credits.Update(WidgetInput{0.0f, 0.0f, false, {}, 0.25}).code, MenuAction::kNothing);
    }
    EXPECT_FLOAT_EQ(credits.Text(0).GetY(), -600.0f + 130.0f);
    EXPECT_FLOAT_EQ(credits.Text(1).GetY(), -1000.0f + 130.0f);

    const MenuAction back = credits.Update(WidgetInput{-479.5f, -334.0f, true, {}, 0.5});
    EXPECT_EQ(back.code, 0);
    EXPECT_FLOAT_EQ(credits.Text(0).GetY(), -600.0f + 195.0f) << "the texts move in the frame of a click";

    credits.ResetScroll();
    EXPECT_FLOAT_EQ(credits.Text(0).GetY(), -600.0f);
    EXPECT_FLOAT_EQ(credits.Text(1).GetY(), -1000.0f);
    EXPECT_EQ(credits.Text(1).GetText(), "Second");
}

}  // namespace
}  // namespace ombrin::test
