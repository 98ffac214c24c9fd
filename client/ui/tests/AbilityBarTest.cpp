// The ability bar on the null engine: how much of an icon the cooldown overlay covers and what the timer
// says (abilities without a cooldown length and cooldowns that overshoot 0 included), charge texts laid out
// only when the count changes, and the bar's icons by ninja and tool.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "client/ui/AbilityBar.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

using AbilityBarTest = HudFixture;

constexpr const char* kAbilities = "../Ombrin/2DTextures/Abilities/";
constexpr const char* kPlaceholder = "../Ombrin/2DTextures/GUI/TB_cd.png";

TEST_F(AbilityBarTest, TheOverlayCoversTheCooldownLeftAndShrinksFromTheTop) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        float left;
        float total;
        float share;
        const char* timer;
    } cases[] = {
        {"ready", 0.0f, 8.0f, 0.0f, ""},
        {"half way", 2.5f, 5.0f, 0.5f, "2.5"},
        {"the timer keeps three characters", 12.0f, 20.0f, 0.6f, "12."},
        {"more left than the whole cooldown", 10.0f, 5.0f, 1.0f, "10."},
        {"a cooldown just past its end", -0.02f, 5.0f, 0.0f, ""},
        {"an ability without a cooldown length, ready", 0.0f, 0.0f, 0.0f, ""},
        {"an ability without a cooldown length, cooling", 1.5f, 0.0f, 1.0f, "1.5"},
        {"a cooldown length below 0, cooling", 3.0f, -1.0f, 1.0f, "3.0"},
        {"a cooldown left that is no number", nan, 5.0f, 0.0f, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AbilitySlot slot;
        slot.Initialize(100.0f, -400.0f, std::string(kAbilities) + "TB_N2_Q.png", "Q");
        slot.Update(c.left, c.total, 0);
        const GUIElement& overlay = slot.Overlay();
        EXPECT_FLOAT_EQ(overlay.x, 100.0f);
        EXPECT_FLOAT_EQ(overlay.width, 46.0f);
        EXPECT_FLOAT_EQ(overlay.height, 46.0f * c.share);
        // The overlay's bottom edge stays on the icon's bottom edge.
        EXPECT_FLOAT_EQ(overlay.y - overlay.height / 2.0f, -400.0f - 23.0f);
        EXPECT_EQ(slot.Timer().GetText(), c.timer);
    }
}

TEST_F(AbilityBarTest, TheChargeTextIsLaidOutOnlyWhenTheCountChanges) {
    AbilitySlot slot;
    slot.Initialize(0.0f, 0.0f, std::string(kAbilities) + "TB_N1_E.png", "E");
    EXPECT_EQ(slot.Charges().GetText(), "");

    const struct {
        int charges;
        float left;
        bool laidOut;
    } steps[] = {
        {0, 0.0f, true},  // the first update always shows the count
        {0, 3.0f, false}, {2, 2.0f, true}, {2, 1.0f, false}, {2, 0.0f, false}, {1, 4.0f, true},
    };
    Lumaspace::TextLayoutHandle last = slot.Charges().GetLayout();
    for (const auto& step : steps) {
        SCOPED_TRACE(std::to_string(step.charges) + " charges, " + std::to_string(step.left) + " s left");
        slot.Update(step.left, 5.0f, step.charges);
        EXPECT_EQ(slot.Charges().GetText(), std::to_string(step.charges));
        EXPECT_EQ(slot.Charges().GetLayout() != last, step.laidOut);
        last = slot.Charges().GetLayout();
    }
}

TEST_F(AbilityBarTest, SlotsShowTheNinjasAbilitiesAndTheToolWithTheirKeys) {
    const struct {
        int character;
        int tool;
        std::vector<std::string> icons;
    } cases[] = {
        {0, 0, {"TB_N1_Melee.png", "TB_N1_Ranged.png", "TB_N1_Q.png", "TB_N1_E.png", "TB_T_Caltrops.png"}},
        {1, 1, {"TB_N2_Melee.png", "TB_N2_Ranged.png", "TB_N2_Q.png", "TB_N2_E.png", "TB_T_SmokeBomb.png"}},
        {2, 2, {"TB_N3_Melee.png", "TB_N3_Ranged.png", "TB_N3_Q.png", "TB_N3_E.png", "TB_T_StickyTARP.png"}},
        {0, 3, {"TB_N1_Melee.png", "TB_N1_Ranged.png", "TB_N1_Q.png", "TB_N1_E.png", "TB_T_FlashBang.png"}},
        {3, 4, {"", "", "", "", ""}},
        {-1, -1, {"", "", "", "", ""}},
    };
    const float slotX[] = {-135.0f, -70.0f, -5.0f, 60.0f, 135.0f};
    const char* keys[] = {"M1", "M2", "Q", "E", "R"};
    for (const auto& c : cases) {
        SCOPED_TRACE("ninja " + std::to_string(c.character) + ", tool " + std::to_string(c.tool));
        AbilityBar bar;
        ASSERT_TRUE(bar.Initialize(200.0f, -450.0f, c.character, c.tool));
        bar.Render();
        std::vector<std::string> expected = {AbilityBar::kBackgroundTexture};
        for (std::size_t slot = 0; slot < AbilityBar::kSlotCount; ++slot) {
            const std::string icon =
                c.icons[slot].empty() ? std::string(kPlaceholder) : kAbilities + c.icons[slot];
            expected.push_back(icon);
            expected.push_back(kPlaceholder);  // the overlay
            const AbilitySlot& shown = bar.Slot(slot);
            EXPECT_FLOAT_EQ(shown.Icon().X(), 200.0f + slotX[slot]);
            EXPECT_FLOAT_EQ(shown.Icon().Y(), -440.0f);
            EXPECT_EQ(shown.Hotkey().GetText(), keys[slot]);
            EXPECT_FLOAT_EQ(shown.Hotkey().GetY(), -404.0f);
            EXPECT_FLOAT_EQ(shown.Charges().GetY(), -475.0f);
        }
        EXPECT_EQ(DrawnPictures(), expected);
    }
}

TEST_F(AbilityBarTest, TheBarUpdatesEachSlotWithItsOwnReading) {
    AbilityBar bar;
    ASSERT_TRUE(bar.Initialize(0.0f, 0.0f, 1, 3));
    bar.Update({AbilityReading{0.0f, 1.0f, 0}, AbilityReading{1.0f, 4.0f, 0}, AbilityReading{2.0f, 2.0f, 0},
                AbilityReading{0.0f, 0.0f, 3}, AbilityReading{30.0f, 20.0f, 1}});
    const float heights[] = {0.0f, 11.5f, 46.0f, 0.0f, 46.0f};
    const char* timers[] = {"", "1.0", "2.0", "", "30."};
    const char* charges[] = {"0", "0", "0", "3", "1"};
    for (std::size_t slot = 0; slot < AbilityBar::kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_FLOAT_EQ(bar.Slot(slot).Overlay().height, heights[slot]);
        EXPECT_EQ(bar.Slot(slot).Timer().GetText(), timers[slot]);
        EXPECT_EQ(bar.Slot(slot).Charges().GetText(), charges[slot]);
    }
}

}  // namespace
}  // namespace ombrin::test
