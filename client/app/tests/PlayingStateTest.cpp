// The match on the null engine: keys acting once per press, the notices, death and spectating, the in-match
// menu and the victory screen, leaving for the lobby when the server moves on, the first frame after
// entering, the aim, the minimap and the sighting report, the kill feed, and the order of the render passes.
#include <algorithm>
#include <cmath>
#include <memory>

#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"
#include "client/app/QuitMessage.h"
#include "client/app/Settings.h"
#include "client/app/VirtualKeys.h"
#include "client/app/tests/MatchFixture.h"
#include "client/app/tests/ScriptedWindow.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/MatchMenuLayout.h"
#include "client/ui/tests/RecordingSoundSystem.h"

namespace ombrin::test {
namespace {

const RakNet::RakNetGUID kAki{0xA1};
const RakNet::RakNetGUID kBen{0xB2};
const RakNet::RakNetGUID kFoe{0xF3};
const RakNet::RakNetGUID kHidden{0xF4};
const RakNet::RakNetGUID kFallen{0xF5};

class PlayingStateTest : public MatchFixture {};

glm::vec3 Position(const Player& player) {
    return player.GetPosition();
}

TEST_F(PlayingStateTest, MAndOActOnceWhenTheKeyIsLetGo) {
    const struct {
        char key;
        bool ClientGlobals::*flag;
    } cases[] = {{'m', &ClientGlobals::soundEnabled}, {'o', &ClientGlobals::cameraFollowsMouse}};
    StartMatch({0, 0, 0});
    ClientGlobals& globals = ClientGlobals::GetInstance();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const bool before = globals.*c.flag;
        KeyDown(VirtualKey::ForCharacter(c.key));
        Frame();
        Frame();
        Frame();
        EXPECT_EQ(globals.*c.flag, before) << "held";
        KeyUp(VirtualKey::ForCharacter(c.key));
        Frame();
        EXPECT_NE(globals.*c.flag, before) << "let go";
        Frame();
        Frame();
        EXPECT_NE(globals.*c.flag, before) << "once per press";
    }
}

TEST_F(PlayingStateTest, TheRoundTextShowsAtEachRoundStartAndFadesOverEightyFiveUpdates) {
    StartMatch({0, 0, 0});
    Frame();
    EXPECT_EQ(match.Notices().Round().colour, 0u);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ServerSends(protocol::RoundStartedMessage{});
        Frame();
        EXPECT_EQ(match.Notices().Round().colour, 0xFFFFFFFFu);
        for (int update = 0; update < 84; ++update) {
            Frame();
        }
        EXPECT_EQ(match.Notices().Round().colour >> 24, 3u);
        Frame();
        EXPECT_EQ(match.Notices().Round().colour, 0u);
    }
}

TEST_F(PlayingStateTest, TheJoinedAndLeftNoticesNameThePlayer) {
    const struct {
        std::int32_t kind;
        const char* text;
    } cases[] = {{1, "Ren has joined the red team"},
                 {2, "Ren has joined the blue team"},
                 {3, "Ren has left the game"}};
    StartMatch({0, 0, 0});
    for (const auto& c : cases) {
        ServerSends(protocol::PlayerJoinedLeftMessage{"Ren", c.kind});
        Frame();
        EXPECT_EQ(match.Notices().JoinedLeft().GetText(), c.text);
        EXPECT_EQ(match.Notices().JoinedLeft().colour, 0xFFFFFFFFu);
    }
}

TEST_F(PlayingStateTest, ADeadPlayerWatchesLivingTeamMatesAfterTheDelayAndTheClickMovesOn) {
    const glm::vec3 own{0, 0, 0};
    const glm::vec3 aki{5, 0, 0};
    const glm::vec3 ben{-5, 0, 10};
    StartMatch(own, {Entry(kAki, 1, kRedTeam, aki, "Aki"), Entry(kBen, 2, kRedTeam, ben, "Ben"),
                     Entry(kFoe, 3, kBlueTeam, {0, 0, 20}, "Foe")});
    Frame();
    SetAlive(Me(), false);
    Frames(1.5);
    EXPECT_TRUE(ClientGlobals::GetInstance().localPlayerDead);
    EXPECT_EQ(match.GetCamera().GetLastTarget(), own) << "the camera stays while the delay runs";

    Frames(1.0);
    EXPECT_EQ(match.GetCamera().GetLastTarget(), aki);
    EXPECT_EQ(match.Notices().Spectating().colour, 0u) << "only a click announces a name";

    const struct {
        glm::vec3 followed;
        const char* text;
    } clicks[] = {{ben, "Spectating Ben"}, {aki, "Spectating Aki"}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.text);
        Click(300, 300);
        Frame();
        Frame();
        EXPECT_EQ(match.GetCamera().GetLastTarget(), c.followed);
        EXPECT_EQ(match.Notices().Spectating().GetText(), c.text);
    }

    SetAlive(Me(), true);
    Frame();
    EXPECT_FALSE(ClientGlobals::GetInstance().localPlayerDead);
    EXPECT_EQ(match.GetCamera().GetLastTarget(), Position(*match.Players().GetLocalPlayer()));
}

TEST_F(PlayingStateTest, WithNoLivingTeamMateTheCameraStaysWhereItIs) {
    const struct {
        const char* name;
        bool mateDies;
    } cases[] = {{"no team mate at all", false}, {"the only team mate dead", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<protocol::PlayerListEntry> others{Entry(kFoe, 2, kBlueTeam, {0, 0, 20}, "Foe")};
        if (c.mateDies) {
            others.push_back(Entry(kAki, 1, kRedTeam, {5, 0, 0}, "Aki"));
        }
        StartMatch({3, 0, 4}, others);
        Frame();
        if (c.mateDies) {
            SetAlive(kAki, false);
        }
        SetAlive(Me(), false);
        Frame();
        const glm::vec3 eye = match.GetCamera().GetEye();
        Frames(3.0);
        Click(0, 0);
        Frames(0.5);
        EXPECT_EQ(match.GetCamera().GetEye(), eye);
        match.Shutdown();
    }
}

TEST_F(PlayingStateTest, EscapeOpensAndClosesTheMenuButNotOnceTheMatchIsOver) {
    StartMatch({0, 0, 0});
    Frame();
    match.EscapeIsPressed();
    EXPECT_TRUE(match.IsMenuOpen());
    match.EscapeIsPressed();
    EXPECT_FALSE(match.IsMenuOpen());

    ServerSends(protocol::MatchWonMessage{kBlueTeam});
    Frame();
    match.EscapeIsPressed();
    EXPECT_FALSE(match.IsMenuOpen());
    Frame();
    EXPECT_FALSE(match.IsMenuOpen());
}

TEST_F(PlayingStateTest, TheInMatchMenusButtons) {
    const struct {
        const char* name;
        bool matchOver;
        float y;
        GameStateSwitch next;
        bool menuOpen;
        bool connected;
        bool quit;
    } cases[] = {
        {"resume", false, kMatchMenuTopY, NO_CHANGE, false, true, false},
        {"main menu", false, kMatchMenuMiddleY, MENU_STATE, true, false, false},
        {"quit", false, kMatchMenuBottomY, NO_CHANGE, true, true, true},
        {"continue after the match", true, kMatchMenuMiddleY, CHOOSE_STATE, false, true, false},
        {"main menu after the match", true, kMatchMenuBottomY, MENU_STATE, false, false, false},
    };
    ScriptedWindow window(std::make_shared<Journal>());
    window.Frames(100);  // a poll without a posted quit is a frame
    SetQuitMessageTarget(&window);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ServerSends(std::vector<unsigned char>{RakNet::ID_CONNECTION_REQUEST_ACCEPTED});
        StartMatch({0, 0, 0});
        Frame();
        if (c.matchOver) {
            ServerSends(protocol::MatchWonMessage{kRedTeam});
        } else {
            match.EscapeIsPressed();
        }
        Click(0.0f, c.y);
        EXPECT_EQ(Frame(), c.next);
        EXPECT_EQ(match.IsMenuOpen(), c.menuOpen);
        EXPECT_EQ(network.connected, c.connected);
        std::vector<WindowEvent> events;
        const bool posted =
            window.PollEvent(events) && !events.empty() && events[0].type == WindowEvent::Type::Quit;
        EXPECT_EQ(posted, c.quit);
        match.Shutdown();
        network.matchOver = false;
    }
    SetQuitMessageTarget(nullptr);
}

TEST_F(PlayingStateTest, TheNextLevelSendsThePlayerToTheLobbyWithItsName) {
    StartMatch({0, 0, 0});
    Frame();
    ServerSends(protocol::MatchWonMessage{kRedTeam});
    EXPECT_EQ(Frame(), NO_CHANGE);
    ServerSends(protocol::NewLevelMessage{"../Ombrin/Levels/SakuraGarden.ZMDL"});
    EXPECT_EQ(Frame(), CHOOSE_STATE);
    EXPECT_EQ(network.GetLevelName(), "../Ombrin/Levels/SakuraGarden.ZMDL");
    EXPECT_FALSE(match.IsInitialized());
}

TEST_F(PlayingStateTest, ALostServerSendsThePlayerToTheMenu) {
    StartMatch({0, 0, 0});
    Frame();
    ServerSends(std::vector<unsigned char>{RakNet::ID_CONNECTION_LOST});
    EXPECT_EQ(Frame(), MENU_STATE);
}

// Entering the match takes as long as loading the level and the models: that time is no walking time, or
// the first report would lie further from the last one than the server accepts.
TEST_F(PlayingStateTest, TheFirstUpdateAfterEnteringMovesNothing) {
    const glm::vec3 start{0, 0, -10};
    StartMatch(start);
    KeyDown(VirtualKey::ForCharacter('w'));
    Frame(5.0);
    EXPECT_EQ(Position(*match.Players().GetLocalPlayer()), start);
    Frame();
    const glm::vec3 moved = Position(*match.Players().GetLocalPlayer());
    EXPECT_GT(moved.z, start.z);
    EXPECT_LT(moved.z - start.z, 1.0f);
}

TEST_F(PlayingStateTest, ThePlayerFacesTheMouseAndKeepsItsFacingWithTheMouseOnIt) {
    const struct {
        const char* name;
        int x;
        int y;
        glm::vec3 facing;
    } cases[] = {
        {"above the player", 640, 100, {0, 0, 1}},
        {"to its right", 1200, 512, {1, 0, 0}},
        {"on the player: the facing stays", 640, 512, {1, 0, 0}},
        {"below the player", 640, 1000, {0, 0, -1}},
        {"on the player again", 640, 512, {0, 0, -1}},
    };
    StartMatch({2, 0, -3});
    Frame();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MoveMouseToPixel(c.x, c.y);
        Frame();
        Frame();
        const protocol::Vec3 facing = network.LocalDirection();
        ASSERT_TRUE(std::isfinite(facing.x) && std::isfinite(facing.y) && std::isfinite(facing.z));
        EXPECT_NEAR(facing.x, c.facing.x, 0.05f);
        EXPECT_NEAR(facing.y, 0.0f, 1e-6f);
        EXPECT_NEAR(facing.z, c.facing.z, 0.05f);
    }
}

TEST_F(PlayingStateTest, TheMouseGroundPointLiesUnderTheCursor) {
    StartMatch({2, 0, -3});
    Frame();
    MoveMouseToPixel(640, 512);
    Frame();
    EXPECT_NEAR(match.MouseWorld().x, 2.0f, 1e-4f);
    EXPECT_NEAR(match.MouseWorld().z, -3.0f, 1e-4f);
    EXPECT_EQ(match.Collision().GetMouseGroundPoint(), match.MouseWorld());
    EXPECT_EQ(Input::GetInstance().mouseWorldX, match.MouseWorld().x);
}

TEST_F(PlayingStateTest, TheMinimapShowsTeamMatesAndSeenEnemiesAndReportsTheSighting) {
    StartMatch({0, 0, -20},
               {Entry(kAki, 1, kRedTeam, {30, 0, 40}, "Aki"), Entry(kFoe, 2, kBlueTeam, {2, 0, -18}, "Foe"),
                Entry(kHidden, 3, kBlueTeam, {-2, 0, -18}, "Hidden"),
                Entry(kFallen, 4, kBlueTeam, {2, 0, -22}, "Fallen")});
    ServerSends(protocol::InvisibilityRuneTakenMessage{kHidden});
    SetAlive(kFallen, false);
    Frames(0.1);
    const struct {
        std::size_t dot;
        RakNet::RakNetGUID guid;
        bool shown;
        bool seen;
    } cases[] = {
        {0, kAki, true, true}, {1, kFoe, true, true}, {2, kHidden, false, false}, {3, kFallen, false, false}};
    const std::vector<RakNet::RakNetGUID>& seen = match.SeenPlayers();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dot);
        ASSERT_EQ(match.Players().GetRemotePlayers().at(c.dot)->Guid(), c.guid);
        EXPECT_EQ(match.GetMinimap().Dot(c.dot).X() != Minimap::kHiddenPlace, c.shown);
        EXPECT_EQ(std::find(seen.begin(), seen.end(), c.guid) != seen.end(), c.seen);
    }
    EXPECT_EQ(match.GetMinimap().Dot(4).X(), Minimap::kHiddenPlace) << "no player for that dot";
}

// Kills reach the death board only in the match: one the server announced while the player was in the
// lobby is dropped with the lobby's frame.
TEST_F(PlayingStateTest, OnlyKillsAnnouncedDuringTheMatchReachTheDeathBoard) {
    ServerSends(protocol::PlayerListMessage{
        {Entry(Me(), 0, kRedTeam, {0, 0, 0}, "Kei"), Entry(kFoe, 1, kBlueTeam, {0, 0, 20}, "Foe")}});
    ServerSends(protocol::KillNoticeMessage{Me(), kFoe, 0});
    struct Lobby : GameState {
    } lobby;
    lobby.Update(kFrame);
    network.DropUnreadEvents();
    network.Update(kFrame);

    StartMatch({0, 0, 0}, {Entry(kFoe, 1, kBlueTeam, {0, 0, 20}, "Foe")});
    Frame();
    EXPECT_EQ(deathBoard.ShownCount(), 0u);
    ServerSends(protocol::KillNoticeMessage{kFoe, Me(), 0});
    Frame();
    ASSERT_EQ(deathBoard.ShownCount(), 1u);
    EXPECT_EQ(deathBoard.LineAt(0).killer.GetText(), "Kei");
    EXPECT_EQ(deathBoard.LineAt(0).victim.GetText(), "Foe");
}

TEST_F(PlayingStateTest, TabShowsTheScoreboardWhileHeld) {
    StartMatch({0, 0, 0});
    KeyDown(VirtualKey::kTab);
    Frame();
    EXPECT_TRUE(match.IsScoreboardShown());
    Frame();
    EXPECT_TRUE(match.IsScoreboardShown());
    KeyUp(VirtualKey::kTab);
    Frame();
    EXPECT_FALSE(match.IsScoreboardShown());
}

TEST_F(PlayingStateTest, TheRenderRunsItsPassesInOrderWithTheSettingsEffects) {
    const struct {
        bool ssao;
        bool depthOfField;
        std::vector<std::string> composition;
    } cases[] = {
        {false, false, {"CompositionForward"}},
        {true, false, {"SetSSAOBuffer", "RenderSSAO", "CompositionForward"}},
        {false, true, {"Composition", "ApplyDOF"}},
    };
    StartMatch({0, 0, 0});
    Frame();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ssao << c.depthOfField);
        Settings::GetInstance().ssao = c.ssao;
        Settings::GetInstance().depthOfField = c.depthOfField;
        const std::vector<std::string> operations = RenderedOperations();
        const auto at = [&](const std::string& operation) {
            return std::find(operations.begin(), operations.end(), operation) - operations.begin();
        };
        const std::vector<std::string> order{"BeginRenderToShadowMap",
                                             "SetShadowMap",
                                             "SetRenderTargetsForGBuffers",
                                             "PrepareRenderAnimated",
                                             "RenderFoliage",
                                             "SetScreenBuffer",
                                             "SetForwardRenderTarget",
                                             "RenderVisibilityPolygon",
                                             "ClearOutlining",
                                             "SetOutliningPassTwo"};
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            EXPECT_LT(at(order[i]), at(order[i + 1])) << order[i] << " before " << order[i + 1];
        }
        for (const char* effect :
             {"SetSSAOBuffer", "RenderSSAO", "Composition", "ApplyDOF", "CompositionForward"}) {
            const bool expected =
                std::find(c.composition.begin(), c.composition.end(), effect) != c.composition.end();
            EXPECT_EQ(at(effect) < static_cast<std::ptrdiff_t>(operations.size()), expected) << effect;
        }
    }
}

// The arena's fires, wind and birds play as the match's own loops and stop when it ends; its fires burn in
// the application's particle pass.
TEST_F(PlayingStateTest, TheLevelsLoopsAndFiresBelongToTheMatch) {
    RecordingSoundSystem sound;
    match.SetSoundSystem(&sound);
    StartMatch({0, 0, 0});
    const auto loopsOf = [&sound](SoundId id) {
        const std::vector<RecordingSoundSystem::Sound> live = sound.LiveAmbients();
        return std::count_if(live.begin(), live.end(), [id](const RecordingSoundSystem::Sound& loop) {
            return loop.number == SoundNumber(id);
        });
    };
    EXPECT_GT(loopsOf(SoundId::Fire), 0);
    EXPECT_EQ(loopsOf(SoundId::Wind), 1);

    Frame();
    match.Render();
    EXPECT_GT(particles.EmitterCount(), 0u) << "the level's emitters are queued for the particle pass";
    GUIQueue::GetInstance().Clear();
    particles.Clear();
    trails.Clear();

    match.Shutdown();
    EXPECT_EQ(loopsOf(SoundId::Fire), 0);
    EXPECT_EQ(loopsOf(SoundId::Wind), 0);
    match.SetSoundSystem(nullptr);
}

}  // namespace
}  // namespace ombrin::test
