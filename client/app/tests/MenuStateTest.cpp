// The main menu on the null engine with a ClientNetwork around a recording peer: its pages, connecting with
// and without a name, what the player is told when connecting fails or the server is lost, hosting, and the
// options page.
#include <filesystem>
#include <fstream>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/MenuState.h"
#include "client/app/QuitMessage.h"
#include "client/app/Settings.h"
#include "client/app/tests/ScriptedWindow.h"
#include "client/app/tests/StateFixture.h"

namespace ombrin::test {
namespace {

using Page = MenuState::Page;

// Where the menu's buttons are, in GUI space.
constexpr float kPlayY = -10.0f;
constexpr float kOptionsY = -118.0f;
constexpr float kCreditsY = -226.0f;
constexpr float kQuitY = -334.0f;
constexpr float kConnectY = -118.0f;
constexpr float kHostY = -226.0f;
constexpr float kPlayBackY = -334.0f;
constexpr float kNameBoxY = 57.0f;
constexpr float kAddressBoxY = -15.0f;
constexpr float kOptionsBackX = 160.5f;
constexpr float kApplyX = -160.5f;
constexpr float kPageButtonsY = -334.0f;
constexpr float kVsyncX = -50.0f;
constexpr float kFullscreenY = -65.0f;
constexpr float kSsaoY = -130.0f;

class MenuStateTest : public StateFixture {
protected:
    void SetUp() override {
        StateFixture::SetUp();
        m_window.Frames(1000);  // an empty queue, unless the menu posts the quit message
        SetQuitMessageTarget(&m_window);
    }
    void TearDown() override {
        SetQuitMessageTarget(nullptr);
        m_menu.reset();
        StateFixture::TearDown();
    }

    MenuState& Menu(MenuSetup setup = {}) {
        m_menu = std::make_unique<MenuState>(network, setup);
        EXPECT_TRUE(m_menu->Initialize());
        return *m_menu;
    }
    GameStateSwitch ClickAndRun(float x, float y) {
        Click(x, y);
        return Frame(*m_menu);
    }
    void TypeText(const std::string& text) {
        for (const char c : text) {
            Type(static_cast<unsigned char>(c));
            Frame(*m_menu);
        }
    }
    bool QuitPosted() {
        std::vector<WindowEvent> events;
        return m_window.PollEvent(events) && !events.empty() && events[0].type == WindowEvent::Type::Quit;
    }

    ScriptedWindow m_window{std::make_shared<Journal>()};
    std::unique_ptr<MenuState> m_menu;
};

TEST_F(MenuStateTest, AFrameHandsTheEngineTheOverviewsLightThenItsView) {
    MenuState& menu = Menu();
    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    Frame(menu);
    ExpectOverviewFrame(CameraCalls(), menu.GetCamera());
}

TEST_F(MenuStateTest, PagesOpenWithTheirButtonsAndBackOrEscapeReturns) {
    MenuState& menu = Menu();
    const struct {
        const char* name;
        float x;
        float y;
        bool escape;  // instead of the click
        Page page;
        bool textBoxes;
    } steps[] = {
        {"options", 0.0f, kOptionsY, false, Page::kOptions, false},
        {"its back button", kOptionsBackX, kPageButtonsY, false, Page::kMain, false},
        {"credits", 0.0f, kCreditsY, false, Page::kCredits, false},
        {"its back button", kOptionsBackX - kWidth / 2.0f, kPageButtonsY, false, Page::kMain, false},
        {"play shows the text boxes", 0.0f, kPlayY, false, Page::kPlay, true},
        {"Escape leaves the play page", 0.0f, 0.0f, true, Page::kMain, false},
        {"play again", 0.0f, kPlayY, false, Page::kPlay, true},
        {"its back button", 0.0f, kPlayBackY, false, Page::kMain, false},
        {"a click on no button", 500.0f, 400.0f, false, Page::kMain, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.escape) {
            menu.EscapeIsPressed();
        } else {
            EXPECT_EQ(ClickAndRun(step.x, step.y), NO_CHANGE);
        }
        EXPECT_EQ(menu.TopPage(), step.page);
        EXPECT_EQ(menu.TextBoxesActive(), step.textBoxes);
    }
    EXPECT_FALSE(QuitPosted());
    ClickAndRun(0.0f, kQuitY);
    EXPECT_EQ(menu.TopPage(), Page::kNone);
    EXPECT_TRUE(QuitPosted()) << "quit at the main page ends the program";
}

TEST_F(MenuStateTest, ConnectSendsTheTypedNameOrAFixedOneAndKeepsWhatWasTyped) {
    const struct {
        const char* name;
        std::string typed;         // into the emptied name box
        std::string settingsName;  // UTF-8, as the file keeps it
        bool randomName;           // the server gets one of the fixed names
    } cases[] = {
        {"a typed name", "Jun", "Jun", false},
        {"an empty name box: a fixed name is sent, nothing is kept", "", "", true},
        {"a Latin-1 name is kept as UTF-8", "J\xF6rg", "J\xC3\xB6rg", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings::GetInstance().name = "Kei";
        Settings::GetInstance().ip = "10.0.0.7";
        peer.attempts.clear();
        MenuState& menu = Menu(MenuSetup{60001, "./unused"});
        ClickAndRun(0.0f, kPlayY);
        ClickAndRun(0.0f, kNameBoxY);
        TypeText("\b\b\b" + c.typed);
        ASSERT_EQ(menu.NameBox().GetText(), c.typed);

        EXPECT_EQ(ClickAndRun(0.0f, kConnectY), NO_CHANGE);
        EXPECT_EQ(menu.TopPage(), Page::kConnecting);
        EXPECT_FALSE(menu.TextBoxesActive());
        ASSERT_EQ(peer.attempts.size(), 1u);
        EXPECT_EQ(peer.attempts[0].host, "10.0.0.7");
        EXPECT_EQ(peer.attempts[0].port, 60001);
        if (c.randomName) {
            EXPECT_TRUE(Contains(
                std::vector<std::string>(Settings::kRandomNames.begin(), Settings::kRandomNames.end()),
                network.playerName))
                << network.playerName;
        } else {
            EXPECT_EQ(network.playerName, c.typed);
        }
        EXPECT_EQ(Settings::GetInstance().name, c.settingsName);
        EXPECT_EQ(menu.NameBox().GetText(), c.typed);

        ConnectionEvent(RakNet::ID_CONNECTION_REQUEST_ACCEPTED);
        EXPECT_EQ(Frame(menu), CHOOSE_STATE);
        EXPECT_EQ(menu.TopPage(), Page::kPlay)
            << "the connecting page is gone; back from the lobby pops play";
        network.Disconnect();

        // The next start shows the name as it was typed.
        MenuState& restarted = Menu();
        EXPECT_EQ(restarted.NameBox().GetText(), c.typed);
    }
}

TEST_F(MenuStateTest, AFailedConnectionReturnsToThePlayPageAndSaysWhy) {
    const struct {
        const char* name;
        RakNet::ConnectionAttemptResult start;
        RakNet::MessageID event;  // 0: none
        const char* notice;
    } cases[] = {
        {"nobody answers", RakNet::CONNECTION_ATTEMPT_STARTED, RakNet::ID_CONNECTION_ATTEMPT_FAILED,
         MenuState::kConnectFailedNotice},
        {"the server is full", RakNet::CONNECTION_ATTEMPT_STARTED, RakNet::ID_NO_FREE_INCOMING_CONNECTIONS,
         MenuState::kServerFullNotice},
        {"the server is another version", RakNet::CONNECTION_ATTEMPT_STARTED,
         RakNet::ID_INCOMPATIBLE_PROTOCOL_VERSION, MenuState::kOtherVersionNotice},
        {"the address cannot be used", RakNet::INVALID_PARAMETER, 0, MenuState::kBadAddressNotice},
        {"the name cannot be resolved", RakNet::CANNOT_RESOLVE_DOMAIN_NAME, 0, MenuState::kBadAddressNotice},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        peer.result = c.start;
        MenuState& menu = Menu();
        ClickAndRun(0.0f, kPlayY);
        ClickAndRun(0.0f, kConnectY);
        if (c.event != 0) {
            EXPECT_EQ(menu.TopPage(), Page::kConnecting);
            ConnectionEvent(c.event);
        }
        EXPECT_EQ(Frame(menu), NO_CHANGE);
        EXPECT_EQ(menu.TopPage(), Page::kPlay);
        EXPECT_TRUE(menu.TextBoxesActive()) << "the play page is usable again";
        EXPECT_EQ(menu.Notice(), c.notice);
        EXPECT_TRUE(Contains(DrawnTexts(menu), c.notice));

        ClickAndRun(0.0f, kPlayBackY);
        EXPECT_EQ(menu.Notice(), "") << "the next action clears the notice";
    }
}

TEST_F(MenuStateTest, EscapeWhileConnectingAbandonsTheAttempt) {
    MenuState& menu = Menu();
    ClickAndRun(0.0f, kPlayY);
    ClickAndRun(0.0f, kConnectY);
    ASSERT_EQ(menu.TopPage(), Page::kConnecting);
    const int shutdowns = peer.shutdowns;
    menu.EscapeIsPressed();
    EXPECT_EQ(menu.TopPage(), Page::kPlay);
    EXPECT_EQ(peer.shutdowns, shutdowns + 1) << "the peer was restarted without the connection";
    ConnectionEvent(RakNet::ID_CONNECTION_REQUEST_ACCEPTED);
    EXPECT_EQ(Frame(menu), NO_CHANGE) << "a late acceptance does not leave the play page";
}

TEST_F(MenuStateTest, ALostServerIsReportedOnTheMenuAndLeft) {
    MenuState& menu = Menu();
    ClickAndRun(0.0f, kPlayY);
    ClickAndRun(0.0f, kConnectY);
    ConnectionEvent(RakNet::ID_CONNECTION_REQUEST_ACCEPTED);
    ASSERT_EQ(Frame(menu), CHOOSE_STATE);
    menu.EscapeIsPressed();  // what the application does when the lobby hands back to the menu
    ConnectionEvent(RakNet::ID_CONNECTION_LOST);
    ASSERT_TRUE(network.serverLost);

    EXPECT_EQ(Frame(menu), NO_CHANGE);
    EXPECT_EQ(menu.TopPage(), Page::kMain);
    EXPECT_EQ(menu.Notice(), MenuState::kServerLostNotice);
    EXPECT_TRUE(Contains(DrawnTexts(menu), "Connection to the server was lost"));
    EXPECT_FALSE(network.serverLost) << "the menu left the server";
    EXPECT_FALSE(network.connected);
}

TEST_F(MenuStateTest, HostStartsTheServerProgramConnectsLocallyAndStopsItAtTheEnd) {
    const std::filesystem::path server = m_layout.Bin() / "FakeServer";
    ASSERT_TRUE(WriteFile(server, "#!/bin/sh\nexec sleep 30\n"));
    std::filesystem::permissions(server, std::filesystem::perms::owner_all);

    MenuState& menu = Menu(MenuSetup{60002, "./FakeServer"});
    ClickAndRun(0.0f, kPlayY);
    ClickAndRun(0.0f, kNameBoxY);
    TypeText("\b\b\b");  // an empty name is sent as it is
    EXPECT_EQ(ClickAndRun(0.0f, kHostY), NO_CHANGE);
    EXPECT_TRUE(menu.Launcher().IsRunning());
    EXPECT_EQ(menu.TopPage(), Page::kConnecting);
    ASSERT_EQ(peer.attempts.size(), 1u);
    EXPECT_EQ(peer.attempts[0].host, "127.0.0.1");
    EXPECT_EQ(peer.attempts[0].port, 60002);
    EXPECT_EQ(network.playerName, "");

    const pid_t pid = menu.Launcher().Pid();
    menu.Shutdown();
    EXPECT_FALSE(menu.Launcher().IsRunning());
    EXPECT_NE(::kill(pid, 0), 0) << "the server was stopped and reaped";
}

TEST_F(MenuStateTest, HostWithoutTheServerProgramSaysSoAndStaysOnThePlayPage) {
    MenuState& menu = Menu(MenuSetup{60000, "./NoSuchServer"});
    ClickAndRun(0.0f, kPlayY);
    EXPECT_EQ(ClickAndRun(0.0f, kHostY), NO_CHANGE);
    EXPECT_EQ(menu.TopPage(), Page::kPlay);
    EXPECT_EQ(menu.Notice(), "Unable to start program");
    EXPECT_TRUE(peer.attempts.empty());
}

TEST_F(MenuStateTest, OptionsLeftWithBackAreDiscardedAndAppliedOnesAreKept) {
    MenuState& menu = Menu();
    Settings& settings = Settings::GetInstance();
    ASSERT_FALSE(settings.vsync);
    ClickAndRun(0.0f, kOptionsY);
    EXPECT_FALSE(menu.ApplyEnabled());
    ClickAndRun(kVsyncX, 0.0f);
    EXPECT_TRUE(menu.OptionBox(MenuState::kVsync).IsChecked());
    EXPECT_TRUE(menu.ApplyEnabled());
    ClickAndRun(kOptionsBackX, kPageButtonsY);
    EXPECT_FALSE(settings.vsync);

    ClickAndRun(0.0f, kOptionsY);
    EXPECT_FALSE(menu.OptionBox(MenuState::kVsync).IsChecked()) << "the stored value shows again";
    ClickAndRun(kVsyncX, 0.0f);
    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    ClickAndRun(kApplyX, kPageButtonsY);
    EXPECT_TRUE(settings.vsync);
    EXPECT_FALSE(menu.ApplyEnabled());
    bool vsyncSet = false;
    for (const Lumaspace::RecordedCall& call : Lumaspace::GE::GetInstance()->GetRecordedCalls()) {
        vsyncSet = vsyncSet || (call.operation == "SetVsync" && call.values == std::vector<float>{1.0f});
    }
    EXPECT_TRUE(vsyncSet);
    EXPECT_TRUE(Contains(DrawnPictures(menu), "../Ombrin/2DTextures/GUI/applydisabled.png"));

    // Escape leaves the options page without its back button: the disabled apply picture must not stay
    // over the main page's quit button.
    menu.EscapeIsPressed();
    EXPECT_EQ(menu.TopPage(), Page::kMain);
    EXPECT_FALSE(Contains(DrawnPictures(menu), "../Ombrin/2DTextures/GUI/applydisabled.png"));
}

// Switching ambient occlusion off clears its target, so that the composition shows no occlusion at all.
TEST_F(MenuStateTest, ApplyingAmbientOcclusionOffClearsIt) {
    MenuState& menu = Menu();
    for (const bool ssao : {true, false}) {
        SCOPED_TRACE(ssao ? "on" : "off");
        ClickAndRun(0.0f, kOptionsY);
        if (menu.OptionBox(MenuState::kSsao).IsChecked() != ssao) {
            ClickAndRun(kVsyncX, kSsaoY);
        }
        ASSERT_EQ(menu.OptionBox(MenuState::kSsao).IsChecked(), ssao);
        Lumaspace::GE::GetInstance()->ClearRecordedCalls();
        ClickAndRun(kApplyX, kPageButtonsY);
        EXPECT_EQ(Settings::GetInstance().ssao, ssao);
        int clears = 0;
        for (const Lumaspace::RecordedCall& call : Lumaspace::GE::GetInstance()->GetRecordedCalls()) {
            clears += call.operation == "ClearSSAO" ? 1 : 0;
        }
        EXPECT_EQ(clears, ssao ? 0 : 1);
        ClickAndRun(kOptionsBackX, kPageButtonsY);
    }
}

TEST_F(MenuStateTest, ApplyingFullScreenResizesTheWindowAndTheCamera) {
    MenuState& menu = Menu();
    ClickAndRun(0.0f, kOptionsY);
    ClickAndRun(kVsyncX, kFullscreenY);
    ClickAndRun(kApplyX, kPageButtonsY);
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    EXPECT_TRUE(Settings::GetInstance().fullscreen);
    EXPECT_TRUE(globals.fullscreen);
    EXPECT_EQ(globals.windowWidth, 1920);
    EXPECT_EQ(globals.windowHeight, 1080);
    EXPECT_FALSE(Lumaspace::GE::GetInstance()->HasScreenChanged()) << "the menu's frame handled the change";
    EXPECT_FLOAT_EQ(menu.GetCamera().GetAspect(), 1920.0f / 1080.0f);
    EXPECT_FALSE(globals.screenChanging);
}

}  // namespace
}  // namespace ombrin::test
