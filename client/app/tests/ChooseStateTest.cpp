// The lobby on the null engine with a ClientNetwork around a recording peer: what it sends and when, full
// teams, readiness, the team lists mirroring the server's lobby and roster, the play button, the start of
// the match, leaving, and the tooltips.
#include <set>

#include "Lumagrid/GE.h"
#include "client/app/ChooseState.h"
#include "client/app/tests/StateFixture.h"

namespace ombrin::test {
namespace {

using protocol::LobbyChoiceReport;
using protocol::LobbyEntry;
using protocol::LobbyStateMessage;

// The lobby's buttons in a 1280 x 1024 window, in GUI space.
constexpr float kRedX = -1280.0f / 3.0f;
constexpr float kBlueX = 1280.0f / 3.0f;
constexpr float kTeamY = 30.0f;
constexpr float kNextNinjaX = 145.0f;
constexpr float kArrowY = 110.0f;
constexpr float kNextToolX = 70.0f;
constexpr float kToolY = -125.0f;
constexpr float kBottomY = 80.0f - 512.0f;  // back, random and play
constexpr float kBackX = 180.0f - 640.0f;
constexpr float kCornerX = 640.0f - 180.0f;  // play and ready
constexpr float kReadyY = 180.0f - 512.0f;

const std::string kGui = "../Ombrin/2DTextures/GUI/";

LobbyEntry Member(std::uint64_t guid, std::int32_t team, bool ready, std::int32_t character = 0,
                  std::int32_t tool = 0, const std::string& name = "Bot") {
    return LobbyEntry{RakNet::RakNetGUID{guid}, character, tool, team, name, ready};
}

LobbyStateMessage Lobby(std::initializer_list<LobbyEntry> members) {
    return LobbyStateMessage{std::vector<LobbyEntry>(members)};
}

class ChooseStateTest : public StateFixture {
protected:
    void SetUp() override {
        StateFixture::SetUp();
        network.SetPlayerName("Kei");
        ConnectionEvent(RakNet::ID_CONNECTION_REQUEST_ACCEPTED);
        ASSERT_TRUE(m_lobby.Initialize("../Ombrin/Levels/Arena.ZMDL"));
        peer.ClearSent();
    }
    void TearDown() override {
        m_lobby.Shutdown();
        StateFixture::TearDown();
    }

    GameStateSwitch ClickAndRun(float x, float y) {
        Click(x, y);
        return Frame(m_lobby);
    }
    std::vector<LobbyChoiceReport> Choices() const { return peer.Decoded<LobbyChoiceReport>(); }

    ChooseState m_lobby{network};
};

TEST_F(ChooseStateTest, AFrameHandsTheEngineTheOverviewsLightThenItsView) {
    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    Frame(m_lobby);
    ExpectOverviewFrame(CameraCalls(), m_lobby.GetCamera());
}

TEST_F(ChooseStateTest, TheFirstFrameSendsTheChoiceOnceAndLaterFramesOnlyChanges) {
    const struct {
        const char* name;
        float x;  // a click, or none when both are 0
        float y;
        std::vector<LobbyChoiceReport> sent;  // everything sent so far
    } steps[] = {
        {"the first frame: no team, first ninja and tool, not ready", 0, 0, {{0, 0, 0, "Kei", false}}},
        {"a frame without changes", 0, 0, {{0, 0, 0, "Kei", false}}},
        {"the next ninja is chosen in this frame...", kNextNinjaX, kArrowY, {{0, 0, 0, "Kei", false}}},
        {"...and sent in the next", 0, 0, {{0, 0, 0, "Kei", false}, {1, 0, 0, "Kei", false}}},
        {"the next tool and then the red team",
         kNextToolX,
         kToolY,
         {{0, 0, 0, "Kei", false}, {1, 0, 0, "Kei", false}}},
        {"", kRedX, kTeamY, {{0, 0, 0, "Kei", false}, {1, 0, 0, "Kei", false}, {1, 1, 0, "Kei", false}}},
        {"",
         0,
         0,
         {{0, 0, 0, "Kei", false},
          {1, 0, 0, "Kei", false},
          {1, 1, 0, "Kei", false},
          {1, 1, 1, "Kei", false}}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.x != 0 || step.y != 0) {
            Click(step.x, step.y);
        }
        EXPECT_EQ(Frame(m_lobby), NO_CHANGE);
        EXPECT_EQ(Choices(), step.sent);
    }
}

TEST_F(ChooseStateTest, AFullTeamRefusesThePlayerAndOneThatFillsUpMovesItToNoTeam) {
    ServerSends(Lobby({Member(1, 1, true), Member(2, 1, true), Member(3, 1, true), Member(4, 1, false)}));
    ClickAndRun(kRedX, kTeamY);
    EXPECT_EQ(m_lobby.GetTeam(), ChooseState::kNoTeamChosen) << "four red players: red is full";
    Frame(m_lobby);
    for (const LobbyChoiceReport& choice : Choices()) {
        EXPECT_EQ(choice.teamChoice, 0);
    }

    ServerSends(Lobby({Member(1, 1, true), Member(2, 1, true), Member(3, 1, true)}));
    ClickAndRun(kRedX, kTeamY);
    ClickAndRun(kCornerX, kReadyY);
    Frame(m_lobby);
    ASSERT_EQ(m_lobby.GetTeam(), kRedTeam);
    ASSERT_TRUE(m_lobby.IsReady());
    EXPECT_FLOAT_EQ(m_lobby.Marker().X(), 150.0f - 640.0f) << "the marker stands in the fourth row's place";
    EXPECT_FLOAT_EQ(m_lobby.Marker().Y(), -180.0f);
    EXPECT_EQ(Choices().back(), (LobbyChoiceReport{0, 0, 1, "Kei", true}));

    ServerSends(Lobby({Member(1, 1, true), Member(2, 1, true), Member(3, 1, true), Member(5, 1, false)}));
    Frame(m_lobby);
    EXPECT_EQ(m_lobby.GetTeam(), ChooseState::kNoTeamChosen);
    EXPECT_FALSE(m_lobby.IsReady()) << "leaving a team ends being ready";
    EXPECT_EQ(m_lobby.ReadyButton().Texture(), kGui + "ready_baw.png");
    EXPECT_EQ(Choices().back(), (LobbyChoiceReport{0, 0, 0, "Kei", false})) << "sent in the same frame";
    EXPECT_FLOAT_EQ(m_lobby.Marker().X(), 0.0f);
    EXPECT_FLOAT_EQ(m_lobby.Marker().Y(), 0.33f * 1024.0f);
}

TEST_F(ChooseStateTest, ReadyNeedsATeamAndLeavingTheTeamEndsIt) {
    ServerSends(Lobby({Member(1, 2, false)}));
    const struct {
        const char* name;
        float x;
        float y;
        int team;
        bool ready;
        const char* readyButton;
        bool waiting;  // "Waiting for other players!" is shown
    } steps[] = {
        {"ready without a team does nothing", kCornerX, kReadyY, ChooseState::kNoTeamChosen, false,
         "ready_baw.png", false},
        {"the blue team", kBlueX, kTeamY, kBlueTeam, false, "ready.png", false},
        {"ready", kCornerX, kReadyY, kBlueTeam, true, "unready.png", true},
        {"red keeps being ready", kRedX, kTeamY, kRedTeam, true, "unready.png", true},
        {"red again leaves the team", kRedX, kTeamY, ChooseState::kNoTeamChosen, false, "ready_baw.png",
         false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        ClickAndRun(step.x, step.y);
        EXPECT_EQ(m_lobby.GetTeam(), step.team);
        EXPECT_EQ(m_lobby.IsReady(), step.ready);
        EXPECT_EQ(m_lobby.ReadyButton().Texture(), kGui + step.readyButton);
        EXPECT_EQ(Contains(DrawnTexts(m_lobby), ChooseState::kWaitingText), step.waiting);
    }
}

TEST_F(ChooseStateTest, TheListsMirrorTheServersLobbyAndRoster) {
    protocol::PlayerListEntry fighterRed;
    fighterRed.guid = RakNet::RakNetGUID{21};
    fighterRed.playerIndex = 0;
    fighterRed.name = "InMatchRed";
    fighterRed.team = 1;
    fighterRed.character = 2;
    fighterRed.tool = 3;
    protocol::PlayerListEntry fighterBlue = fighterRed;
    fighterBlue.guid = RakNet::RakNetGUID{22};
    fighterBlue.playerIndex = 1;
    fighterBlue.name = "InMatchBlue";
    fighterBlue.team = 2;
    fighterBlue.character = 0;
    fighterBlue.tool = 1;
    ServerSends(protocol::PlayerListMessage{{fighterRed, fighterBlue}});
    ServerSends(
        Lobby({Member(1, 1, false, 1, 2, "Red"), Member(2, 2, true, 2, 0, "Blue"),
               Member(3, 0, true, 0, 0, "Undecided"), Member(peer.GetMyGUID().g, 1, true, 0, 0, "Me")}));
    Frame(m_lobby);

    struct Row {
        std::string portrait;
        std::string tool;
        std::string mark;
        std::string name;
    };
    const auto rows = [](const LobbyTeamList& list) {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < list.Size(); ++i) {
            const LobbyTeamList::Row& row = list.RowAt(i);
            texts.push_back(row.portrait.Texture() + " " + row.tool.Texture() + " " +
                            row.readyMark.Texture() + " " + row.name.GetText());
        }
        return texts;
    };
    const std::string ninjas = "../Ombrin/2DTextures/Ninjas/";
    const std::string tools = "../Ombrin/2DTextures/Abilities/";
    EXPECT_EQ(
        rows(m_lobby.RedList()),
        (std::vector<std::string>{
            ninjas + "ninja3.png " + tools + "TB_T_FlashBang.png " + kGui + "checkbox_checked.png InMatchRed",
            ninjas + "ninja2.png " + tools + "TB_T_StickyTARP.png " + kGui + "checkbox_empty.png Red"}));
    EXPECT_EQ(rows(m_lobby.BlueList()),
              (std::vector<std::string>{ninjas + "ninja1.png " + tools + "TB_T_SmokeBomb.png " + kGui +
                                            "checkbox_checked.png InMatchBlue",
                                        ninjas + "ninja3.png " + tools + "TB_T_Caltrops.png " + kGui +
                                            "checkbox_checked.png Blue"}));

    // Rows hang from the window edges, 150 pixels apart, names below them towards the middle.
    const LobbyTeamList::Row& secondRed = m_lobby.RedList().RowAt(1);
    EXPECT_FLOAT_EQ(secondRed.portrait.X(), -640.0f + 150.0f);
    EXPECT_FLOAT_EQ(secondRed.tool.X(), -640.0f + 225.0f);
    EXPECT_FLOAT_EQ(secondRed.readyMark.X(), -640.0f + 300.0f);
    EXPECT_FLOAT_EQ(secondRed.portrait.Y(), 120.0f);
    EXPECT_FLOAT_EQ(secondRed.name.GetX(), -640.0f + 112.5f);
    EXPECT_FLOAT_EQ(secondRed.name.GetY(), 60.0f);
    EXPECT_EQ(secondRed.name.alignment, TextObject::kLeading);
    const LobbyTeamList::Row& firstBlue = m_lobby.BlueList().RowAt(0);
    EXPECT_FLOAT_EQ(firstBlue.portrait.X(), 640.0f - 150.0f);
    EXPECT_FLOAT_EQ(firstBlue.readyMark.X(), 640.0f - 300.0f);
    EXPECT_EQ(firstBlue.name.alignment, TextObject::kTrailing);

    // A member's new choice shows in the next frame.
    ServerSends(Lobby({Member(1, 1, true, 0, 3, "Red")}));
    Frame(m_lobby);
    ASSERT_EQ(m_lobby.RedList().Size(), 2u);
    EXPECT_EQ(m_lobby.RedList().RowAt(1).portrait.Texture(), ninjas + "ninja1.png");
    EXPECT_EQ(m_lobby.RedList().RowAt(1).tool.Texture(), tools + "TB_T_FlashBang.png");
    EXPECT_EQ(m_lobby.RedList().RowAt(1).readyMark.Texture(), kGui + "checkbox_checked.png");
    EXPECT_EQ(m_lobby.BlueList().Size(), 1u);
}

TEST_F(ChooseStateTest, PlayStartsTheMatchOnlyWhenEveryoneIsReadyAndNeverAfterTheMatch) {
    const auto startRequests = [this] { return peer.SentWithId(protocol::ID_START_GAME).size(); };
    ServerSends(Lobby({Member(1, 2, false)}));
    ClickAndRun(kBlueX, kTeamY);
    ClickAndRun(kCornerX, kReadyY);
    ClickAndRun(kCornerX, kBottomY);
    EXPECT_EQ(m_lobby.PlayButton().Texture(), kGui + "play_baw.png");
    EXPECT_EQ(startRequests(), 0u) << "another member is not ready";

    ServerSends(Lobby({Member(1, 2, true)}));
    Frame(m_lobby);
    EXPECT_EQ(m_lobby.PlayButton().Texture(), kGui + "play.png");
    ClickAndRun(kCornerX, kBottomY);
    EXPECT_EQ(startRequests(), 1u);

    network.matchOver = true;
    ClickAndRun(kCornerX, kBottomY);
    ClickAndRun(kCornerX, kReadyY);
    EXPECT_EQ(startRequests(), 1u);
    EXPECT_TRUE(m_lobby.IsReady()) << "the hidden ready button does nothing";
    const std::vector<std::string> drawn = DrawnPictures(m_lobby);
    EXPECT_FALSE(Contains(drawn, kGui + "play.png"));
    EXPECT_FALSE(Contains(drawn, kGui + "unready.png"));
}

TEST_F(ChooseStateTest, TheServersStartSendsTheFinalChoiceAndEntersTheMatch) {
    network.inLobby = true;
    ClickAndRun(kBlueX, kTeamY);
    ClickAndRun(kNextNinjaX, kArrowY);
    ClickAndRun(kNextNinjaX, kArrowY);
    ClickAndRun(-kNextToolX, kToolY);  // the previous tool wraps to the last
    network.events.newLevel.Raise();
    ServerSends(protocol::StartGameMessage{});
    EXPECT_EQ(Frame(m_lobby), PLAYING_STATE);
    EXPECT_EQ(peer.Decoded<protocol::JoinGameRequest>(),
              (std::vector<protocol::JoinGameRequest>{{"Kei", 2, 3, 2}}));
    EXPECT_FALSE(network.events.gameStarted.Pending());
    EXPECT_FALSE(network.inLobby);
    EXPECT_FALSE(network.events.newLevel.Pending());
}

TEST_F(ChooseStateTest, BackLeavesTheServerAndALostServerReturnsToTheMenu) {
    const int shutdowns = peer.shutdowns;
    EXPECT_EQ(ClickAndRun(kBackX, kBottomY), MENU_STATE);
    EXPECT_EQ(peer.shutdowns, shutdowns + 1);
    EXPECT_FALSE(network.connected);

    ConnectionEvent(RakNet::ID_CONNECTION_REQUEST_ACCEPTED);
    ASSERT_TRUE(m_lobby.Initialize("../Ombrin/Levels/Arena.ZMDL"));
    EXPECT_EQ(Frame(m_lobby), NO_CHANGE);
    ConnectionEvent(RakNet::ID_DISCONNECTION_NOTIFICATION);
    EXPECT_EQ(Frame(m_lobby), MENU_STATE);
    EXPECT_TRUE(network.serverLost) << "kept for the menu, which tells the player";
}

TEST_F(ChooseStateTest, TooltipsShowWhileTheMouseRestsOnTheirIcons) {
    // The mouse is at whole client pixels, so the points are whole numbers of GUI space.
    const struct {
        const char* name;
        float x;
        float y;
        bool tool;
        int ability;  // the slot whose tooltip shows, or -1
    } cases[] = {
        {"the tool icon", 0.0f, -140.0f, true, -1},
        {"the tool icon's top edge", 10.0f, -115.0f, true, -1},
        {"the tool icon's bottom edge", -24.0f, -165.0f, true, -1},
        {"the tool icon's right edge", 25.0f, -140.0f, false, -1},
        {"above the tool icon", 0.0f, -114.0f, false, -1},
        {"the melee icon", -126.0f, -40.0f, false, 0},
        {"the melee icon's left edge", -151.0f, -40.0f, false, -1},
        {"the Q icon's top edge", 42.0f, -15.0f, false, 2},
        {"the E icon's bottom edge", 150.0f, -65.0f, false, 3},
        {"below the E icon", 126.0f, -66.0f, false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MoveMouse(c.x, c.y);
        Frame(m_lobby);
        EXPECT_EQ(m_lobby.ToolTooltipShown(), c.tool);
        EXPECT_EQ(m_lobby.AbilityBar().ShownTooltip(), c.ability);
    }
    MoveMouse(0.0f, -140.0f);
    Frame(m_lobby);
    EXPECT_TRUE(
        Contains(DrawnTexts(m_lobby),
                 "The ninja scatter pointy caltrops over the area,\ndamaging enemies who enter the zone."));
}

TEST_F(ChooseStateTest, TheRandomButtonNeverPicksTheSameTwiceInARow) {
    std::set<std::pair<int, int>> seen;
    std::pair<int, int> previous{m_lobby.Ninja(), m_lobby.Tool()};
    for (int click = 0; click < 200; ++click) {
        ClickAndRun(0.0f, kBottomY);
        const std::pair<int, int> now{m_lobby.Ninja(), m_lobby.Tool()};
        EXPECT_NE(now, previous) << "click " << click;
        seen.insert(now);
        previous = now;
    }
    EXPECT_EQ(seen.size(), 12u) << "every ninja with every tool comes up";
}

TEST_F(ChooseStateTest, TheScoresShowTheRoundWins) {
    ServerSends(protocol::RoundWonMessage{1});
    ServerSends(protocol::RoundWonMessage{1});
    ServerSends(protocol::RoundWonMessage{2});
    Frame(m_lobby);
    EXPECT_EQ(m_lobby.RedScore().GetText(), "2");
    EXPECT_EQ(m_lobby.BlueScore().GetText(), "1");
}

}  // namespace
}  // namespace ombrin::test
