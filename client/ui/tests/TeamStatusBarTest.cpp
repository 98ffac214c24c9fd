// The team status bar on the null engine: a square per player at its team's first free place, dead while the
// player is dead; the round clock and the countdown in its place; the scores.
#include <map>
#include <string>
#include <vector>

#include "client/ui/TeamStatusBar.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

class TeamStatusBarTest : public HudFixture {
protected:
    void SetUp() override {
        HudFixture::SetUp();
        ASSERT_TRUE(m_bar.Initialize(kWindowHeight));
    }

    static HudPlayer Player(std::uint64_t id, int team, bool alive = true) {
        HudPlayer player;
        player.id = id;
        player.team = team;
        player.alive = alive;
        return player;
    }

    TeamStatusBar m_bar;
};

TEST_F(TeamStatusBarTest, EachPlayerHasASquareAtItsTeamsFirstFreePlace) {
    constexpr const char* kRed = TeamStatusBar::kRedSquareTexture;
    constexpr const char* kBlue = TeamStatusBar::kBlueSquareTexture;
    constexpr const char* kDead = TeamStatusBar::kDeadTexture;
    struct Shown {
        float x;
        std::string picture;
        bool operator==(const Shown&) const = default;
    };
    using Squares = std::map<std::uint64_t, Shown>;
    const struct {
        const char* name;
        std::vector<HudPlayer> players;
        Squares squares;
    } steps[] = {
        {"two red players and a blue one",
         {Player(10, 1), Player(20, 2), Player(30, 1)},
         {{10, {-68.5f, kRed}}, {20, {68.5f, kBlue}}, {30, {-123.5f, kRed}}}},
        {"a player dies",
         {Player(10, 1), Player(20, 2), Player(30, 1, false)},
         {{10, {-68.5f, kRed}}, {20, {68.5f, kBlue}}, {30, {-123.5f, kDead}}}},
        {"a player leaves; the others keep their places",
         {Player(20, 2), Player(30, 1, false)},
         {{20, {68.5f, kBlue}}, {30, {-123.5f, kDead}}}},
        {"a newcomer takes the free place",
         {Player(20, 2), Player(30, 1), Player(40, 1)},
         {{20, {68.5f, kBlue}}, {30, {-123.5f, kRed}}, {40, {-68.5f, kRed}}}},
        {"a player changes team",
         {Player(20, 1), Player(30, 1), Player(40, 1)},
         {{20, {-178.5f, kRed}}, {30, {-123.5f, kRed}}, {40, {-68.5f, kRed}}}},
        {"a player without a team has no square",
         {Player(20, 1), Player(30, 0), Player(40, 1)},
         {{20, {-178.5f, kRed}}, {40, {-68.5f, kRed}}}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        m_bar.Update(MatchStatus{}, step.players, 0.0);
        Squares shown;
        for (const HudPlayer& player : step.players) {
            if (const TeamStatusBar::Square* square = m_bar.SquareOf(player.id)) {
                EXPECT_FLOAT_EQ(square->picture.Y(), 484.5f);
                shown[player.id] = Shown{square->picture.X(), square->picture.Texture()};
            }
        }
        EXPECT_EQ(shown, step.squares);
        EXPECT_EQ(m_bar.SquareCount(), step.squares.size());
    }
}

TEST_F(TeamStatusBarTest, TheClockCountsTheRoundAndGivesWayToTheCountdown) {
    MatchStatus status;
    status.roundNumber = 1;
    for (int second = 0; second < 65; ++second) {
        m_bar.Update(status, {}, 1.0);
    }
    EXPECT_EQ(m_bar.Clock().GetText(), "1:05");

    const struct {
        const char* name;
        bool countdown;
        bool matchOver;
        int seconds;
        int roundNumber;
        const char* clock;
    } steps[] = {
        {"between rounds", true, false, 7, 1, "-0:07"},
        {"ten seconds before the round", true, false, 10, 1, "-0:10"},
        {"after the match", false, true, 12, 1, "-0:12"},
        {"a new round restarts the clock", false, false, 0, 2, "0:01"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        status.countdownActive = step.countdown;
        status.matchOver = step.matchOver;
        status.countdownSeconds = step.seconds;
        status.roundNumber = step.roundNumber;
        m_bar.Update(status, {}, 1.0);
        EXPECT_EQ(m_bar.Clock().GetText(), step.clock);
    }

    // The server's clock for a round joined while it runs, seconds carried into minutes.
    m_bar.SetRoundTime(2.0, 75.5);
    m_bar.Update(status, {}, 0.0);
    EXPECT_EQ(m_bar.Clock().GetText(), "3:15");
}

TEST_F(TeamStatusBarTest, TheBarShowsBothScoresAndItsPicturesAtTheTop) {
    MatchStatus status;
    status.redRoundWins = 2;
    status.blueRoundWins = 1;
    m_bar.Update(status, {Player(7, 2)}, 0.0);
    m_bar.Render();
    const std::vector<Drawn> drawn = DrawQueue();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].picture, TeamStatusBar::kBackgroundTexture);
    EXPECT_FLOAT_EQ(drawn[0].y, 484.5f);
    EXPECT_EQ(drawn[1].picture, TeamStatusBar::kFrameTexture);
    EXPECT_FLOAT_EQ(drawn[1].y, 472.0f);
    EXPECT_EQ(drawn[2].picture, TeamStatusBar::kBlueSquareTexture);
    EXPECT_EQ(DrawnTexts(), (std::vector<std::string>{"2", "1", "0:00"}));
    EXPECT_FLOAT_EQ(m_bar.RedScore().GetX(), -20.0f);
    EXPECT_FLOAT_EQ(m_bar.BlueScore().GetX(), 20.0f);
    EXPECT_FLOAT_EQ(m_bar.RedScore().GetY(), 471.5f);
}

}  // namespace
}  // namespace ombrin::test
