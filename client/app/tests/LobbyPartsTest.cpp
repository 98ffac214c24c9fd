// The lobby's pieces on their own: the random pick, the pictures a team list shows for the numbers other
// players sent, and when a list is full.
#include <gtest/gtest.h>

#include <deque>

#include "Lumagrid/GE.h"
#include "client/app/LobbyTeamList.h"
#include "client/app/RandomPick.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"
#include "client/ui/tests/WidgetFixture.h"

namespace ombrin::test {
namespace {

// Hands out the given numbers in order, then keeps repeating the last.
std::function<unsigned()> Draws(std::deque<unsigned> numbers) {
    return [numbers]() mutable {
        const unsigned next = numbers.front();
        if (numbers.size() > 1) {
            numbers.pop_front();
        }
        return next;
    };
}

TEST(RandomPickTest, NeverRepeatsTheLastPickAndRedrawsAmongTheFirstNine) {
    const struct {
        const char* name;
        int last;
        std::deque<unsigned> draws;
        int expected;
    } cases[] = {
        {"a first draw unlike the last pick stands", 4, {7}, 7},
        {"draws wrap at twelve", 4, {12 + 11}, 11},
        {"a repeat is drawn again from nine", 7, {7, 19}, 1},
        {"after a repeat the fourth tool cannot come up", 7, {19, 10, 11}, 1},
        {"redrawing goes on while it repeats", 2, {2, 11, 20, 5}, 5},
        {"a generator stuck on the last pick still gives another", 3, {3}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NextRandomPick(c.last, Draws(c.draws)), c.expected);
    }
}

TEST(RandomPickTest, EachPickIsOneNinjaWithOneTool) {
    const int ninjas[12] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 0, 1, 2};
    const int tools[12] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 3, 3, 3};
    for (int pick = 0; pick < 12; ++pick) {
        SCOPED_TRACE(pick);
        EXPECT_EQ(ChoiceOfPick(pick).ninja, ninjas[pick]);
        EXPECT_EQ(ChoiceOfPick(pick).tool, tools[pick]);
    }
}

using LobbyTeamListTest = WidgetFixture;

TEST_F(LobbyTeamListTest, NumbersOutOfRangeShowThePlaceholder) {
    const std::string placeholder = "../Ombrin/2DTextures/GUI/TB_cd.png";
    const struct {
        int ninja;
        int tool;
        std::string portrait;
        std::string icon;
    } cases[] = {
        {0, 0, "../Ombrin/2DTextures/Ninjas/ninja1.png", "../Ombrin/2DTextures/Abilities/TB_T_Caltrops.png"},
        {2, 3, "../Ombrin/2DTextures/Ninjas/ninja3.png", "../Ombrin/2DTextures/Abilities/TB_T_FlashBang.png"},
        {3, 4, placeholder, placeholder},
        {-1, -1, placeholder, placeholder},
        {INT_MIN, INT_MAX, placeholder, placeholder},
    };
    LobbyTeamList list;
    list.Initialize(LobbyTeamList::RedLayout(1280.0f));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.ninja) + ", " + std::to_string(c.tool));
        list.Clear();
        list.AddRow(c.ninja, c.tool, false, "Bot");
        EXPECT_EQ(list.RowAt(0).portrait.Texture(), c.portrait);
        EXPECT_EQ(list.RowAt(0).tool.Texture(), c.icon);
    }
}

TEST_F(LobbyTeamListTest, FullAtFourRowsAndEmptyAgainAfterClear) {
    LobbyTeamList list;
    list.Initialize(LobbyTeamList::BlueLayout(1280.0f));
    for (int row = 0; row < 4; ++row) {
        EXPECT_FALSE(list.IsFull());
        EXPECT_FLOAT_EQ(list.NextRowY(), 270.0f - 150.0f * static_cast<float>(row));
        list.AddRow(0, 0, true, "Bot");
    }
    EXPECT_TRUE(list.IsFull());
    list.Clear();
    EXPECT_EQ(list.Size(), 0u);
    EXPECT_FALSE(list.IsFull());
    EXPECT_FLOAT_EQ(list.NextRowY(), 270.0f);
    EXPECT_FLOAT_EQ(list.NextRowX(), 640.0f - 150.0f);
}

}  // namespace
}  // namespace ombrin::test
