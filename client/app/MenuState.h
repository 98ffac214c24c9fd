// The main menu: the main page (play, options, credits, quit), the play page with the name and address
// boxes (connect, host, back), the options page, the credits and the page shown while connecting. Pages
// stack: the top one is updated and drawn, back or Escape pops it, and popping the last ends the program.
// When the connection is accepted the menu asks for the lobby.
//
// A short notice under the buttons tells the player why something did not work: the server program could
// not be started, the connection failed, or the server was lost (the lobby and the match come back here
// when that happens).
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <string>

#include "client/app/Camera.h"
#include "client/app/GameState.h"
#include "client/app/MenuBackdrop.h"
#include "client/app/ServerLauncher.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/CreaditsScreen.h"
#include "client/ui/Menu.h"
#include "client/ui/MenuTextBox.h"
#include "client/ui/TextObject.h"

// Which server the menu starts.
struct MenuSetup {
    unsigned short serverPort = kServerPort;
    std::string serverProgram = ServerLauncher::kProgram;
};

class MenuState : public GameState {
public:
    static constexpr const char* kBackgroundLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";
    static constexpr const char* kLocalAddress = "127.0.0.1";
    static constexpr std::size_t kTextBoxCapacity = 15;

    // The action codes of the menu's buttons.
    enum Action : int {
        kBack = 0,
        kOpenOptions = 7,
        kOpenCredits = 8,
        kOptionChanged = 9,
        kOpenPlay = 10,
        kConnect = 11,
        kApply = 13,
        kHost = 22,
    };
    // The options page's checkboxes, in the order they are built.
    enum Option : std::size_t {
        kVsync,
        kFullscreen,
        kSsao,
        kSmartCast,
        kDepthOfField,
        kMute,
        kCamera,
        kSmartCastToggle,
        kOptionCount,
    };
    enum class Page { kNone, kMain, kOptions, kPlay, kConnecting, kCredits };

    static constexpr const char* kStartFailedNotice = "Unable to start program";
    static constexpr const char* kServerLostNotice = "Connection to the server was lost";
    static constexpr const char* kConnectFailedNotice = "Connection to the server failed";
    static constexpr const char* kServerFullNotice = "The server is full";
    static constexpr const char* kOtherVersionNotice = "The server runs another version of the game";
    static constexpr const char* kBadAddressNotice = "Cannot connect to that address";

    explicit MenuState(ClientNetwork& network, MenuSetup setup = {});
    ~MenuState() override;

    using GameState::Initialize;
    bool Initialize(const std::string& levelName) override;
    bool Initialize() override { return Initialize(kBackgroundLevel); }
    void Shutdown() override;
    GameStateSwitch Update(double deltaTime) override;
    void Render() override;
    // Pops the top page (leaving the connecting page abandons the attempt); at the main page it ends the
    // program.
    void EscapeIsPressed() override;
    // Takes the options page's checkboxes into the settings and applies them.
    void ApplyOptions();

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }
    Page TopPage() const;
    std::size_t PageCount() const { return m_stack.size(); }
    const MenuTextBox& NameBox() const { return m_nameBox; }
    const MenuTextBox& AddressBox() const { return m_addressBox; }
    bool TextBoxesActive() const { return !m_textBoxesInactive; }
    bool ApplyEnabled() const { return m_applyEnabled; }
    const std::string& Notice() const { return m_notice.GetText(); }
    const MenuCheckbox& OptionBox(Option option) const {
        return m_optionsPage.Checkbox(m_optionIndex[option]);
    }
    ServerLauncher& Launcher() { return m_launcher; }
    const Camera& GetCamera() const { return m_camera; }
    const MenuBackdrop& Backdrop() const { return m_backdrop; }

private:
    ClientNetwork& Network() const { return m_network; }
    void BuildOptionsPage();
    void BuildMainAndPlayPages();
    void BuildCredits();
    void BuildTextBoxes(const std::string& name, const std::string& address);
    void Push(Menu* page);
    void Pop();
    void ShowNotice(const std::string& text);
    void OpenOptions();
    void Connect();
    void Host();
    // Starts connecting to address; false (and a notice) when the attempt cannot even start.
    bool StartConnecting(const std::string& address);
    GameStateSwitch FollowConnection();

    ClientNetwork& m_network;
    MenuSetup m_setup;
    bool m_initialized = false;
    std::string m_levelName;

    std::deque<Menu*> m_stack;
    Menu m_mainPage;
    Menu m_optionsPage;
    Menu m_playPage;
    Menu m_connectingPage;
    CreaditsScreen m_credits;
    MenuTextBox m_nameBox;
    MenuTextBox m_addressBox;
    bool m_textBoxesInactive = true;
    bool m_applyEnabled = true;
    std::array<std::size_t, kOptionCount> m_optionIndex{};
    MenuItem m_logo;
    MenuItem m_applyDisabled;
    TextObject m_notice;
    TextObject m_connectingText;

    Camera m_camera;
    MenuBackdrop m_backdrop;
    ServerLauncher m_launcher;
};
