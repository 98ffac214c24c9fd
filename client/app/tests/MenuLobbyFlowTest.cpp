// The application with the real menu, lobby and match states on the null engine, its connection played by a
// recording peer: connecting from the menu leads to the lobby, the server's start to the match, and a lost
// server back to the menu, which says so; Escape in the lobby leaves the server; what the server said while
// the lobby was shown stays out of the match.
#include "client/app/ChooseState.h"
#include "client/app/ClientApplication.h"
#include "client/app/MenuState.h"
#include "client/app/NetworkSession.h"
#include "client/app/PlayingState.h"
#include "client/app/VirtualKeys.h"
#include "client/app/tests/AppFixture.h"
#include "client/app/tests/StateFixture.h"

namespace ombrin::test {
namespace {

using Type = WindowEvent::Type;

// The application's session on a ClientNetwork the test owns.
class InjectedSession final : public NetworkSession {
public:
    explicit InjectedSession(ClientNetwork& network) : m_network(network) {}
    bool Initialize() override { return true; }
    void Update(double deltaTime) override { m_network.Update(deltaTime); }
    void DropUnreadEvents() override { m_network.DropUnreadEvents(); }
    void Shutdown() override {}
    std::string LevelName() const override { return m_network.GetLevelName(); }
    void EnterState(GameState&, SoundSystem*, bool inLobby) override { m_network.EnterState(inLobby); }

private:
    ClientNetwork& m_network;
};

class MenuLobbyFlowTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(m_network.Initialize(&m_peer));
    }
    void TearDown() override {
        m_network.Shutdown();
        AppFixture::TearDown();
    }

    // A click at a point of GUI space, as the window reports it.
    static std::vector<WindowEvent> ClickAt(float x, float y) {
        return {WindowEvent{Type::MouseMove, 0, static_cast<int>(640.0f + x), static_cast<int>(512.0f - y)},
                WindowEvent{Type::LeftButtonDown, 0, 0, 0}, WindowEvent{Type::LeftButtonUp, 0, 0, 0}};
    }
    std::function<void()> Server(RakNet::MessageID id) {
        return [this, id] { m_peer.Deliver(std::vector<unsigned char>{id}, kServer); };
    }
    // Play, connect, the server accepts, and two frames: the script continues in the lobby.
    ScriptedWindow& IntoTheLobby(ScriptedWindow& window) {
        return window.Frames(1)
            .Message(ClickAt(0.0f, -10.0f))
            .Frames(1)
            .Message(ClickAt(0.0f, -118.0f))
            .Frames(1)
            .Then(Server(RakNet::ID_CONNECTION_REQUEST_ACCEPTED))
            .Frames(2);
    }

    // The application with the real states; the script is written by script().
    template <class Script>
    std::unique_ptr<ClientApplication> Application(Script script) {
        auto window = std::make_unique<ScriptedWindow>(m_journal);
        script(*window);
        ClientParts parts;
        parts.window = std::move(window);
        auto menu = std::make_unique<MenuState>(m_network, MenuSetup{60000, "./unused"});
        auto lobby = std::make_unique<ChooseState>(m_network);
        auto match = std::make_unique<PlayingState>(m_network);
        m_menu = menu.get();
        m_lobby = lobby.get();
        m_match = match.get();
        parts.menuState = std::move(menu);
        parts.chooseState = std::move(lobby);
        parts.playingState = std::move(match);
        parts.network = std::make_unique<InjectedSession>(m_network);
        return std::make_unique<ClientApplication>(std::move(parts));
    }

    ConnectingPeer m_peer;
    ClientNetwork m_network;
    MenuState* m_menu = nullptr;
    ChooseState* m_lobby = nullptr;
    PlayingState* m_match = nullptr;
};

TEST_F(MenuLobbyFlowTest, FromTheMenuToTheLobbyToTheMatchAndBackWhenTheServerIsLost) {
    ClientApplication* app = nullptr;
    std::vector<std::string> seen;
    std::string matchLevel;
    const auto note = [&](const char* what) {
        return [&, what] {
            std::string state = app->CurrentState() == m_menu    ? "menu"
                                : app->CurrentState() == m_lobby ? "lobby"
                                                                 : "match";
            seen.push_back(std::string(what) + ": " + state);
        };
    };
    auto application = Application([&](ScriptedWindow& window) {
        window.Frames(1)
            .Message(ClickAt(0.0f, -10.0f))  // play
            .Frames(1)
            .Message(ClickAt(0.0f, -118.0f))  // connect
            .Frames(1)
            .Then(note("connecting"))
            .Then(Server(RakNet::ID_CONNECTION_REQUEST_ACCEPTED))
            .Frames(2)
            .Then(note("accepted"))
            .Then(
                [&] { m_peer.Deliver(protocol::LevelNameMessage{"../Ombrin/Levels/Pagoda.ZMDL"}, kServer); })
            .Then([&] { m_peer.Deliver(protocol::StartGameMessage{}, kServer); })
            .Frames(2)
            .Then(note("started"))
            .Then([&] { matchLevel = m_match->LevelName(); })
            .Then(Server(RakNet::ID_CONNECTION_LOST))
            .Frames(3)
            .Then(note("lost"))
            .Quit();
    });
    app = application.get();
    ASSERT_TRUE(application->Initialize());
    EXPECT_EQ(application->Run(), 0);

    EXPECT_EQ(seen, (std::vector<std::string>{"connecting: menu", "accepted: lobby", "started: match",
                                              "lost: menu"}));
    EXPECT_EQ(matchLevel, "../Ombrin/Levels/Pagoda.ZMDL") << "the match is built on the server's level";
    EXPECT_EQ(m_peer.Decoded<protocol::JoinGameRequest>().size(), 1u);
    EXPECT_FALSE(m_network.serverLost) << "the menu left the server";
}

TEST_F(MenuLobbyFlowTest, EscapeInTheLobbyLeavesTheServerAndShowsTheMainPage) {
    ClientApplication* app = nullptr;
    bool inLobby = false;
    bool backAtMain = false;
    int shutdownsBefore = 0;
    auto application = Application([&](ScriptedWindow& window) {
        IntoTheLobby(window)
            .Then([&] {
                inLobby = app->CurrentState() == m_lobby;
                shutdownsBefore = m_peer.shutdowns;
            })
            .Message(WindowEvent{Type::KeyDown, VirtualKey::kEscape, 0, 0})
            .Message(WindowEvent{Type::KeyUp, VirtualKey::kEscape, 0, 0})
            .Frames(1)
            .Then([&] {
                backAtMain = app->CurrentState() == m_menu && m_menu->TopPage() == MenuState::Page::kMain;
            })
            .Quit();
    });
    app = application.get();
    ASSERT_TRUE(application->Initialize());
    EXPECT_EQ(application->Run(), 0);
    EXPECT_TRUE(inLobby);
    EXPECT_TRUE(backAtMain);
    EXPECT_EQ(m_peer.shutdowns, shutdownsBefore + 1);
    EXPECT_FALSE(m_network.connected);
}

// The server's events the lobby does not take go at the end of its frame, also in the frame that enters the
// match, so that the match never shows a kill, a joined notice or a dash from before it began, nor leaves
// again at once for a new level the lobby already followed. What the server said stays: the round number
// and the objects in play.
TEST_F(MenuLobbyFlowTest, EventsTheLobbyDidNotTakeNeverReachTheMatch) {
    ClientApplication* app = nullptr;
    bool inMatch = false;
    std::vector<std::size_t> unread;
    bool newLevel = true;
    int rounds = 0;
    std::size_t smokeBombs = 0;
    auto application = Application([&](ScriptedWindow& window) {
        IntoTheLobby(window)
            .Then([&] {
                m_peer.Deliver(protocol::NewLevelMessage{"../Ombrin/Levels/Pagoda.ZMDL"}, kServer);
                m_peer.Deliver(protocol::RoundStartedMessage{}, kServer);
                m_peer.Deliver(protocol::SmokeBombAddMessage{5, {0, 0}, {3, 3}, 8.0f}, kServer);
                m_peer.Deliver(protocol::KillNoticeMessage{RakNet::RakNetGUID{7}, RakNet::RakNetGUID{8}, 3},
                               kServer);
                m_peer.Deliver(protocol::PlayerJoinedLeftMessage{"Newcomer", 2}, kServer);
                m_peer.Deliver(protocol::DashTargetMessage{{1, 2, 3}}, kServer);
                m_peer.Deliver(protocol::StartGameMessage{}, kServer);
            })
            .Frames(2)
            .Then([&] {
                inMatch = app->CurrentState() == m_match;
                const NetworkEvents& events = m_network.events;
                unread = {events.killFeed.Size(), events.joinedLeft.Size(), events.dashTargets.Size(),
                          events.soundEvents.Size(), m_network.smokeBombs.added.Size()};
                newLevel = events.newLevel.Pending();
                rounds = m_network.RoundNumber();
                smokeBombs = m_network.smokeBombs.Entries().size();
            })
            .Quit();
    });
    app = application.get();
    ASSERT_TRUE(application->Initialize());
    EXPECT_EQ(application->Run(), 0);

    EXPECT_TRUE(inMatch);
    EXPECT_EQ(unread, (std::vector<std::size_t>{0, 0, 0, 0, 0}));
    EXPECT_FALSE(newLevel);
    EXPECT_EQ(rounds, 1);
    EXPECT_EQ(smokeBombs, 1u);
}

}  // namespace
}  // namespace ombrin::test
