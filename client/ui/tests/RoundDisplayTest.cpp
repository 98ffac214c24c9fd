// The round display on the null engine: the countdown from 5 to 1 growing in the last winner's colour, the
// round winner's message, and the victory or defeat banner.
#include <string>
#include <vector>

#include "client/ui/RoundDisplay.h"
#include "client/ui/TeamColours.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

class RoundDisplayTest : public HudFixture {
protected:
    void SetUp() override {
        HudFixture::SetUp();
        ASSERT_TRUE(m_display.Initialize(kWindowHeight));
    }

    RoundDisplay m_display;
};

TEST_F(RoundDisplayTest, TheCountdownShowsFiveToOneGrowingInTheLastWinnersColour) {
    const struct {
        const char* name;
        bool active;
        int seconds;
        int lastWinner;
        double deltaTime;
        bool shown;
        const char* text;
        float size;
        std::uint32_t colour;
    } steps[] = {
        {"the round runs", false, 0, 0, 0.1, false, "", 0.0f, 0},
        {"the countdown started, no second announced yet", true, 0, 2, 0.1, false, "", 0.0f, 0},
        {"ten seconds", true, 10, 2, 0.1, false, "", 0.0f, 0},
        {"six seconds", true, 6, 2, 0.1, false, "", 0.0f, 0},
        {"five seconds", true, 5, 2, 0.1, true, "5", 50.0f, kBlueTeamColour},
        {"the same second grows", true, 5, 2, 0.1, true, "5", 110.0f, kBlueTeamColour},
        {"up to 250", true, 5, 2, 0.25, true, "5", 250.0f, kBlueTeamColour},
        {"and no further", true, 5, 2, 0.5, true, "5", 250.0f, kBlueTeamColour},
        {"a new second starts small", true, 4, 2, 0.1, true, "4", 50.0f, kBlueTeamColour},
        {"no winner keeps the colour", true, 3, 0, 0.1, true, "3", 50.0f, kBlueTeamColour},
        {"red won", true, 2, 1, 0.1, true, "2", 50.0f, kRedTeamColour},
        {"the round started", false, 0, 1, 0.1, false, "", 0.0f, 0},
        {"the next countdown starts small even at the same value", true, 2, 1, 0.1, true, "2", 50.0f,
         kRedTeamColour},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        MatchStatus status;
        status.countdownActive = step.active;
        status.countdownSeconds = step.seconds;
        status.lastRoundWinner = step.lastWinner;
        m_display.Update(status, step.deltaTime);
        EXPECT_EQ(m_display.CountdownShown(), step.shown);
        if (step.shown) {
            EXPECT_EQ(m_display.Countdown().GetText(), step.text);
            EXPECT_FLOAT_EQ(m_display.Countdown().GetFontSize(), step.size);
            EXPECT_EQ(m_display.Countdown().colour, step.colour);
        }
    }
}

TEST_F(RoundDisplayTest, TheRoundWinnerIsNamedBetweenRoundsInTheTeamsColour) {
    const struct {
        const char* name;
        bool countdown;
        bool matchOver;
        int winner;
        const char* message;  // null: not shown
        std::uint32_t colour;
    } cases[] = {
        {"red won the round", true, false, 1, "Red team won this round!", kRedTeamColour},
        {"blue won the round", true, false, 2, "Blue team won this round!", kBlueTeamColour},
        {"blue won the last round of the match", false, true, 2, "Blue team won this round!",
         kBlueTeamColour},
        {"the round runs", false, false, 1, nullptr, 0},
        {"no winner named", true, false, 0, nullptr, 0},
        {"a team that does not exist", true, false, 3, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MatchStatus status;
        status.countdownActive = c.countdown;
        status.countdownSeconds = 9;
        status.matchOver = c.matchOver;
        status.lastRoundWinner = c.winner;
        m_display.Update(status, 0.0);
        m_display.Render();
        DrawQueue();
        if (c.message == nullptr) {
            EXPECT_FALSE(m_display.WinnerShown());
            EXPECT_TRUE(DrawnTexts().empty());
            continue;
        }
        EXPECT_EQ(DrawnTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(m_display.Winner().colour, c.colour);
        EXPECT_FLOAT_EQ(m_display.Winner().GetY(), -256.0f);
    }
}

TEST_F(RoundDisplayTest, TheMatchEndsWithVictoryForTheWinningTeamAndDefeatForTheOther) {
    const struct {
        const char* name;
        bool matchOver;
        int winner;
        int localTeam;
        std::vector<std::string> pictures;
    } cases[] = {
        {"the match runs", false, 0, 1, {}},
        {"red won, the player is red", true, 1, 1, {RoundDisplay::kVictoryTexture}},
        {"red won, the player is blue", true, 1, 2, {RoundDisplay::kDefeatTexture}},
        {"blue won, the player is blue", true, 2, 2, {RoundDisplay::kVictoryTexture}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MatchStatus status;
        status.matchOver = c.matchOver;
        status.matchWinner = c.winner;
        status.localTeam = c.localTeam;
        status.countdownSeconds = 3;  // the post-match countdown does not show over the banner
        m_display.Update(status, 0.1);
        EXPECT_FALSE(m_display.CountdownShown());
        m_display.Render();
        const std::vector<Drawn> drawn = DrawQueue();
        std::vector<std::string> pictures;
        for (const Drawn& each : drawn) {
            pictures.push_back(each.picture);
            EXPECT_FLOAT_EQ(each.y, 256.0f);
            EXPECT_FLOAT_EQ(each.width, 340.0f);
            EXPECT_FLOAT_EQ(each.height, 125.0f);
        }
        EXPECT_EQ(pictures, c.pictures);
    }
}

}  // namespace
}  // namespace ombrin::test
