// The scoreboard on the null engine: where rows stand in each section, rows that follow players joining,
// changing team and leaving, kill statistics that reach only rows that exist, and the dead marks.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "client/ui/Scoreboard.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

class ScoreboardTest : public HudFixture {
protected:
    void SetUp() override {
        HudFixture::SetUp();
        ASSERT_TRUE(m_board.Initialize());
    }

    static HudPlayer Player(std::uint64_t id, int team, const std::string& name, int kills = 0,
                            int deaths = 0, bool alive = true) {
        return HudPlayer{id, name, team, static_cast<int>(id % 3), kills, deaths, alive};
    }

    // The names of a section's rows from top to bottom, checked against the row places.
    std::vector<std::string> Names(Scoreboard::Section section) {
        std::vector<std::pair<float, std::string>> rows;
        for (std::uint64_t id = 0; id < 100; ++id) {
            if (const Scoreboard::Row* row = m_board.RowOf(section, id)) {
                rows.emplace_back(row->portrait.Y(), row->name.GetText());
            }
        }
        std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        std::vector<std::string> names;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_FLOAT_EQ(rows[i].first, Scoreboard::RowY(section, i)) << rows[i].second;
            names.push_back(rows[i].second);
        }
        return names;
    }

    Scoreboard m_board;
};

TEST_F(ScoreboardTest, RowsStandInTheirSectionsWithPortraitNameAndScore) {
    m_board.Update(Player(5, 1, "Kei", 3, 1),
                   {Player(9, 1, "Aki"), Player(2, 2, "Ren"), Player(4, 2, "Sora"), Player(7, 2, "Yui")});
    const struct {
        Scoreboard::Section section;
        std::uint64_t id;
        float y;
        const char* name;
        const char* score;
        std::string portrait;
    } rows[] = {
        {Scoreboard::kRed, 5, 191.0f, "Kei", "3/1", "../Ombrin/2DTextures/Ninjas/ninja3.png"},
        {Scoreboard::kRed, 9, 131.0f, "Aki", "0/0", "../Ombrin/2DTextures/Ninjas/ninja1.png"},
        {Scoreboard::kBlue, 2, -79.0f, "Ren", "0/0", "../Ombrin/2DTextures/Ninjas/ninja3.png"},
        {Scoreboard::kBlue, 4, -139.0f, "Sora", "0/0", "../Ombrin/2DTextures/Ninjas/ninja2.png"},
        {Scoreboard::kBlue, 7, -199.0f, "Yui", "0/0", "../Ombrin/2DTextures/Ninjas/ninja2.png"},
    };
    for (const auto& expected : rows) {
        SCOPED_TRACE(expected.name);
        const Scoreboard::Row* row = m_board.RowOf(expected.section, expected.id);
        ASSERT_NE(row, nullptr);
        EXPECT_FLOAT_EQ(row->portrait.X(), -207.0f);
        EXPECT_FLOAT_EQ(row->portrait.Y(), expected.y);
        EXPECT_EQ(row->portrait.Texture(), expected.portrait);
        EXPECT_EQ(row->name.GetText(), expected.name);
        EXPECT_FLOAT_EQ(row->name.GetX(), -157.0f);
        EXPECT_FLOAT_EQ(row->name.GetY(), expected.y);
        EXPECT_EQ(row->score.GetText(), expected.score);
        EXPECT_FLOAT_EQ(row->score.GetX(), 93.0f);
        EXPECT_EQ(row->score.colour, Scoreboard::kTextColour);
    }
    EXPECT_EQ(Scoreboard::PortraitTexture(3), Scoreboard::kUnknownPortrait);
    EXPECT_EQ(Scoreboard::PortraitTexture(-1), Scoreboard::kUnknownPortrait);
}

TEST_F(ScoreboardTest, RowsFollowThePlayersJoiningChangingTeamAndLeaving) {
    using Rows = std::vector<std::string>;
    const struct {
        const char* name;
        HudPlayer local;
        std::vector<HudPlayer> others;
        Rows red;
        Rows blue;
    } steps[] = {
        {"a local player without a team has no row",
         Player(50, 0, "Kei"),
         {Player(30, 1, "Aki")},
         {"Aki"},
         {}},
        {"the local player joins red; rows stand by id",
         Player(50, 1, "Kei"),
         {Player(30, 1, "Aki"), Player(10, 1, "Mio"), Player(20, 2, "Ren")},
         {"Mio", "Aki", "Kei"},
         {"Ren"}},
        {"a player leaves and the rows below close up",
         Player(50, 1, "Kei"),
         {Player(30, 1, "Aki"), Player(20, 2, "Ren")},
         {"Aki", "Kei"},
         {"Ren"}},
        {"a player changes to blue",
         Player(50, 1, "Kei"),
         {Player(30, 2, "Aki"), Player(20, 2, "Ren")},
         {"Kei"},
         {"Ren", "Aki"}},
        {"the local player changes to blue",
         Player(50, 2, "Kei"),
         {Player(30, 2, "Aki"), Player(20, 2, "Ren")},
         {},
         {"Ren", "Aki", "Kei"}},
        {"a player whose team is none keeps its row",
         Player(50, 2, "Kei"),
         {Player(30, 0, "Aki"), Player(20, 2, "Ren")},
         {},
         {"Ren", "Aki", "Kei"}},
        {"everyone else leaves", Player(50, 2, "Kei"), {}, {}, {"Kei"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        m_board.Update(step.local, step.others);
        EXPECT_EQ(Names(Scoreboard::kRed), step.red);
        EXPECT_EQ(Names(Scoreboard::kBlue), step.blue);
    }
}

TEST_F(ScoreboardTest, KillStatisticsReachOnlyRowsThatExist) {
    const HudPlayer local = Player(1, 1, "Kei");
    const std::vector<HudPlayer> others = {Player(2, 2, "Ren"), Player(3, 1, "Aki")};
    const struct {
        const char* name;
        std::uint64_t victim;
        std::uint64_t killer;
        int deaths;
        int kills;
        const char* kei;
        const char* ren;
        const char* aki;
    } kills[] = {
        {"the local player kills", 2, 1, 1, 1, "1/0", "0/1", "0/0"},
        {"a team mate kills", 2, 3, 2, 4, "1/0", "0/2", "4/0"},
        {"a death without a killer counts the death only", 1, 1, 1, 9, "1/1", "0/2", "4/0"},
        {"a killer who left: the victim's row takes its death", 3, 77, 1, 5, "1/1", "0/2", "4/1"},
        {"a victim who left: the killer's row takes its kill", 78, 2, 3, 1, "1/1", "1/2", "4/1"},
    };
    m_board.Update(local, others);
    for (const auto& kill : kills) {
        SCOPED_TRACE(kill.name);
        m_board.OnKillStats(kill.victim, kill.killer, kill.deaths, kill.kills);
        EXPECT_EQ(m_board.RowOf(Scoreboard::kRed, 1)->score.GetText(), kill.kei);
        EXPECT_EQ(m_board.RowOf(Scoreboard::kBlue, 2)->score.GetText(), kill.ren);
        EXPECT_EQ(m_board.RowOf(Scoreboard::kRed, 3)->score.GetText(), kill.aki);
        EXPECT_EQ(m_board.RowCount(Scoreboard::kRed), 2u);
        EXPECT_EQ(m_board.RowCount(Scoreboard::kBlue), 1u);
    }
}

TEST_F(ScoreboardTest, RowsTakeTheFiguresOfThePlayerList) {
    m_board.Update(Player(1, 1, "Kei"), {Player(2, 2, "Ren")});
    const Lumaspace::TextLayoutHandle unchanged = m_board.RowOf(Scoreboard::kBlue, 2)->score.GetLayout();
    m_board.Update(Player(1, 1, "Kei", 2, 1), {Player(2, 2, "Ren")});
    EXPECT_EQ(m_board.RowOf(Scoreboard::kRed, 1)->score.GetText(), "2/1");
    EXPECT_EQ(m_board.RowOf(Scoreboard::kBlue, 2)->score.GetLayout(), unchanged)
        << "laid out again unchanged";
}

TEST_F(ScoreboardTest, DeadPlayersHaveTheDeadMarkOnTheirOwnPortrait) {
    // Aki joins after Ren and Yui but has the lowest id: its row, and its mark, stand first.
    m_board.Update(Player(5, 1, "Kei"), {Player(20, 2, "Ren"), Player(30, 2, "Yui", 0, 0, false)});
    m_board.Update(Player(5, 1, "Kei"), {Player(20, 2, "Ren"), Player(30, 2, "Yui", 0, 0, false),
                                         Player(8, 2, "Aki", 0, 0, false)});
    m_board.Render();
    const std::vector<Drawn> drawn = DrawQueue();
    const std::string dead = Scoreboard::kDeadTexture;
    const struct {
        std::string picture;
        float y;
    } expected[] = {
        {Scoreboard::kBackgroundTexture, 0.0f},
        {"../Ombrin/2DTextures/Ninjas/ninja3.png", 191.0f},  // Kei
        {"../Ombrin/2DTextures/Ninjas/ninja3.png", -79.0f},  // Aki
        {dead, -79.0f},
        {"../Ombrin/2DTextures/Ninjas/ninja3.png", -139.0f},  // Ren
        {"../Ombrin/2DTextures/Ninjas/ninja1.png", -199.0f},  // Yui
        {dead, -199.0f},
    };
    ASSERT_EQ(drawn.size(), std::size(expected));
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(drawn[i].picture, expected[i].picture);
        EXPECT_FLOAT_EQ(drawn[i].y, expected[i].y);
    }
    EXPECT_EQ(DrawnTexts(),
              (std::vector<std::string>{"0/0", "Kei", "0/0", "Aki", "0/0", "Ren", "0/0", "Yui"}));
}

}  // namespace
}  // namespace ombrin::test
