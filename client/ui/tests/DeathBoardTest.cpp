// The death board on the null engine: how a kill's line is laid out from the right edge, the icon of each
// ability, the fifth line replaced while five are shown, lines that run out and the others moving up, the
// sudden-death kill, and kills while in the lobby.
#include <string>
#include <vector>

#include "client/ui/DeathBoard.h"
#include "client/ui/TeamColours.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

constexpr float kAnchorX = 600.0f;  // 40 pixels in from the right edge of the 1280 x 1024 window
constexpr float kAnchorY = 482.0f;  // 30 pixels down from the top
const std::string kIcons = "../Ombrin/2DTextures/DeathBoard/";

class DeathBoardTest : public HudFixture {
protected:
    void SetUp() override {
        HudFixture::SetUp();
        ASSERT_TRUE(m_board.Initialize(kWindowWidth, kWindowHeight));
    }

    void Age(double seconds) { m_board.Update(seconds, kWindowWidth, kWindowHeight); }
    std::vector<std::string> Victims() const {
        std::vector<std::string> victims;
        for (std::size_t i = 0; i < m_board.ShownCount(); ++i) {
            victims.push_back(m_board.LineAt(i).victim.GetText());
        }
        return victims;
    }

    DeathBoard m_board;
};

TEST_F(DeathBoardTest, AKillIsLaidOutFromTheRightEdgeInTheTeamsColours) {
    m_board.AddKill(KillFeedEntry{11, "Aki", 1, "Sora", 2}, false);
    ASSERT_EQ(m_board.ShownCount(), 1u);
    const DeathBoard::Line& line = m_board.LineAt(0);
    const float victimWidth = line.victim.GetWidth();
    const float killerWidth = line.killer.GetWidth();
    ASSERT_GT(victimWidth, 0.0f);
    ASSERT_GT(killerWidth, 0.0f);
    EXPECT_EQ(line.victim.alignment, TextObject::kTrailing);
    EXPECT_EQ(line.killer.alignment, TextObject::kTrailing);
    EXPECT_FLOAT_EQ(line.victim.GetX(), kAnchorX);
    EXPECT_EQ(line.victim.colour, kBlueTeamColour);
    EXPECT_EQ(line.killer.colour, kRedTeamColour);
    const float iconX = kAnchorX - (victimWidth + 30.0f);
    EXPECT_FLOAT_EQ(line.killer.GetX(), iconX - 30.0f);

    m_board.Render();
    const std::vector<Drawn> drawn = DrawQueue();
    ASSERT_EQ(drawn.size(), 2u);
    const float width = victimWidth + 85.0f + killerWidth;
    EXPECT_EQ(drawn[0].picture, DeathBoard::kBackgroundTexture);
    EXPECT_FLOAT_EQ(drawn[0].width, width);
    EXPECT_FLOAT_EQ(drawn[0].height, 50.0f);
    EXPECT_FLOAT_EQ(drawn[0].x, kAnchorX - width / 2.0f + 10.0f);
    EXPECT_FLOAT_EQ(drawn[0].y, kAnchorY);
    EXPECT_EQ(drawn[1].picture, kIcons + "n3ranged.png");
    EXPECT_FLOAT_EQ(drawn[1].x, iconX);
    EXPECT_FLOAT_EQ(drawn[1].y, kAnchorY);
    EXPECT_EQ(DrawnTexts(), (std::vector<std::string>{"Aki", "Sora"}));

    // A player without a team leaves the line's colour as it was.
    Age(5.0);
    m_board.AddKill(KillFeedEntry{2, "Nobody", 0, "Ren", 1}, false);
    EXPECT_EQ(m_board.LineAt(0).killer.colour, kRedTeamColour);
    EXPECT_EQ(m_board.LineAt(0).victim.colour, kRedTeamColour);
}

TEST_F(DeathBoardTest, EachAbilityHasItsIcon) {
    const struct {
        std::int32_t ability;
        const char* icon;
    } cases[] = {
        {0, "n1ranged.png"}, {1, "n1q.png"},      {2, "n1melee.png"},  {3, "n1e.png"},
        {4, "Unknown.png"},  {5, "caltrop.png"},  {6, "n2melee.png"},  {7, "n2ranged.png"},
        {8, "n2e.png"},      {9, "n2q.png"},      {10, "n3melee.png"}, {11, "n3ranged.png"},
        {12, "Unknown.png"}, {13, "n3q.png"},     {14, "n3e.png"},     {15, "Unknown.png"},
        {16, "Unknown.png"}, {-1, "Unknown.png"}, {17, "Unknown.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ability);
        m_board.AddKill(KillFeedEntry{c.ability, "Aki", 1, "Ren", 2}, false);
        m_board.Render();
        const std::vector<std::string> pictures = DrawnPictures();
        ASSERT_FALSE(pictures.empty());
        EXPECT_EQ(pictures.back(), kIcons + c.icon);
        Age(5.0);
    }
}

TEST_F(DeathBoardTest, ASixthKillWithinFiveSecondsReplacesTheFifthLine) {
    for (int kill = 1; kill <= 6; ++kill) {
        m_board.AddKill(KillFeedEntry{0, "K" + std::to_string(kill), 1, "V" + std::to_string(kill), 2},
                        false);
        Age(0.5);
    }
    EXPECT_EQ(Victims(), (std::vector<std::string>{"V1", "V2", "V3", "V4", "V6"}));
    EXPECT_EQ(m_board.LineAt(4).killer.GetText(), "K6");
    EXPECT_FLOAT_EQ(m_board.LineAt(4).victim.GetY(), kAnchorY - 4 * 55.0f);
}

TEST_F(DeathBoardTest, WhenALineRunsOutTheLinesBelowMoveUpWithWhatTheySay) {
    const KillFeedEntry kills[] = {
        {2, "Aki", 1, "Ren", 2}, {7, "Ren", 2, "Aki", 1},   {11, "Mio", 1, "Yui", 2},
        {5, "Yui", 2, "Mio", 1}, {14, "Sora", 1, "Kai", 2},
    };
    for (const KillFeedEntry& kill : kills) {
        m_board.AddKill(kill, false);
        Age(1.0);
    }
    // The first kill is five seconds old now.
    ASSERT_EQ(m_board.ShownCount(), 4u);
    const struct {
        const char* killer;
        const char* victim;
        std::uint32_t victimColour;
        const char* icon;
    } expected[] = {
        {"Ren", "Aki", kRedTeamColour, "n2ranged.png"},
        {"Mio", "Yui", kBlueTeamColour, "n3ranged.png"},
        {"Yui", "Mio", kRedTeamColour, "caltrop.png"},
        {"Sora", "Kai", kBlueTeamColour, "n3e.png"},
    };
    m_board.Render();
    const std::vector<Drawn> drawn = DrawQueue();
    ASSERT_EQ(drawn.size(), 8u);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const DeathBoard::Line& line = m_board.LineAt(i);
        const float y = kAnchorY - 55.0f * static_cast<float>(i);
        EXPECT_EQ(line.victim.colour, expected[i].victimColour);
        EXPECT_FLOAT_EQ(line.victim.GetY(), y);
        EXPECT_FLOAT_EQ(line.killer.GetY(), y);
        EXPECT_EQ(drawn[2 * i].picture, DeathBoard::kBackgroundTexture);
        EXPECT_FLOAT_EQ(drawn[2 * i].y, y);
        EXPECT_EQ(drawn[2 * i + 1].picture, kIcons + expected[i].icon);
        EXPECT_FLOAT_EQ(drawn[2 * i + 1].x, kAnchorX - (line.victim.GetWidth() + 30.0f));
        EXPECT_FLOAT_EQ(drawn[2 * i + 1].y, y);
        texts.push_back(expected[i].killer);
        texts.push_back(expected[i].victim);
    }
    EXPECT_EQ(DrawnTexts(), texts);

    // Lines that run out in the same frame leave together.
    Age(4.0);
    EXPECT_EQ(m_board.ShownCount(), 0u);
    m_board.AddKill(KillFeedEntry{0, "Aki", 1, "Ren", 2}, false);
    m_board.AddKill(KillFeedEntry{0, "Ren", 2, "Aki", 1}, false);
    Age(5.0);
    EXPECT_EQ(m_board.ShownCount(), 0u);
    m_board.Render();
    EXPECT_TRUE(DrawQueue().empty());
}

TEST_F(DeathBoardTest, TheMistKillsUnderItsOwnNameAndNothingIsAddedInTheLobby) {
    m_board.AddKill(KillFeedEntry{1, "Aki", 1, "Ren", 2}, true);
    EXPECT_EQ(m_board.ShownCount(), 0u);
    m_board.Render();
    EXPECT_TRUE(DrawQueue().empty());

    m_board.AddKill(KillFeedEntry{16, "Ren", 2, "Ren", 2}, false);
    m_board.Render();
    EXPECT_EQ(DrawnPictures(),
              (std::vector<std::string>{DeathBoard::kBackgroundTexture, kIcons + "Unknown.png"}));
    EXPECT_EQ(DrawnTexts(), (std::vector<std::string>{"Evil Mist Demon", "Ren"}));
}

}  // namespace
}  // namespace ombrin::test
