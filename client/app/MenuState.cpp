#include "client/app/MenuState.h"

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/QuitMessage.h"
#include "client/app/Settings.h"
#include "client/app/WidgetInputSource.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/Latin1Text.h"
#include "client/ui/SoundSystem.h"
#include "raknet/MessageIdentifiers.h"

namespace {
constexpr std::uint32_t kNoticeColour = 0xFF6060FFu;  // light red
constexpr float kNoticeSize = 40.0f;
constexpr std::uint32_t kConnectingColour = 0xFFFFFFFFu;
}  // namespace

MenuState::MenuState(ClientNetwork& network, MenuSetup setup)
    : m_network(network), m_setup(std::move(setup)), m_launcher(m_setup.serverProgram) {}

MenuState::~MenuState() {
    MenuState::Shutdown();
}

bool MenuState::Initialize(const std::string& levelName) {
    Shutdown();
    m_levelName = levelName;
    const Settings& settings = Settings::GetInstance();
    m_logo.InitializeItem(0.0f, 250.0f, 900.0f, 307.0f, "../Ombrin/2DTextures/GUI/Logo_Ombrin.png");
    BuildOptionsPage();
    BuildMainAndPlayPages();
    BuildCredits();
    BuildTextBoxes(Utf8ToLatin1(settings.name), Utf8ToLatin1(settings.ip));
    const float height = static_cast<float>(ClientGlobals::GetInstance().windowHeight);
    m_notice.CreateText(kNoticeColour, "", kNoticeSize, 0.0f, 70.0f - height / 2.0f);
    m_connectingText.CreateText(kConnectingColour, "", kNoticeSize, 0.0f, -118.0f);
    Push(&m_mainPage);
    m_camera.Reset();
    m_backdrop.Initialize(levelName);
    m_textBoxesInactive = true;
    m_applyEnabled = true;
    m_initialized = true;
    return true;
}

// Safe before Initialize and twice. A server this menu started is stopped here at the latest.
void MenuState::Shutdown() {
    m_launcher.Stop();
    m_stack.clear();
    m_mainPage.Shutdown();
    m_optionsPage.Shutdown();
    m_playPage.Shutdown();
    m_connectingPage.Shutdown();
    m_credits.Shutdown();
    m_nameBox.Shutdown();
    m_addressBox.Shutdown();
    m_logo.Shutdown();
    m_applyDisabled.Shutdown();
    m_notice.Release();
    m_connectingText.Release();
    m_backdrop.Shutdown();
    m_levelName.clear();
    m_initialized = false;
}

MenuState::Page MenuState::TopPage() const {
    if (m_stack.empty()) {
        return Page::kNone;
    }
    const Menu* top = m_stack.back();
    if (top == &m_mainPage) {
        return Page::kMain;
    }
    if (top == &m_optionsPage) {
        return Page::kOptions;
    }
    if (top == &m_playPage) {
        return Page::kPlay;
    }
    if (top == &m_connectingPage) {
        return Page::kConnecting;
    }
    return Page::kCredits;
}

void MenuState::Push(Menu* page) {
    m_stack.push_back(page);
}

void MenuState::Pop() {
    if (!m_stack.empty()) {
        m_stack.pop_back();
    }
    if (m_stack.empty()) {
        PostQuitMessage();
    }
}

void MenuState::ShowNotice(const std::string& text) {
    m_notice.SetText(text);
}

GameStateSwitch MenuState::Update(double deltaTime) {
    if (!m_initialized) {
        return NO_CHANGE;
    }
    m_launcher.IsRunning();  // reaps a server that ended

    const WidgetInput input = ReadWidgetInput(deltaTime);
    const MenuAction action = m_stack.empty() ? MenuAction{} : m_stack.back()->Update(input);
    if (!m_textBoxesInactive) {
        m_nameBox.Update(input);
        m_addressBox.Update(input);
    }
    if (action.code != MenuAction::kNothing) {
        ShowNotice("");
    }
    switch (action.code) {
        case kBack:
            m_textBoxesInactive = true;
            m_applyEnabled = true;
            Pop();
            break;
        case kOpenOptions:
            OpenOptions();
            break;
        case kOpenCredits:
            BuildCredits();
            m_credits.ResetScroll();
            Push(&m_credits);
            break;
        case kOptionChanged:
            m_applyEnabled = true;
            break;
        case kOpenPlay:
            m_textBoxesInactive = false;
            Push(&m_playPage);
            break;
        case kConnect:
            Connect();
            break;
        case kApply:
            ApplyOptions();
            break;
        case kHost:
            Host();
            break;
        default:
            break;
    }

    const GameStateSwitch next = FollowConnection();

    m_camera.UpdateOverview(deltaTime);
    Lumaspace::GE& engine = *Lumaspace::GE::GetInstance();
    if (engine.HasScreenChanged()) {
        m_camera.Resize(ClientGlobals::GetInstance().fullscreen);
        engine.ScreenChangeHandled();
    }
    m_backdrop.Update(deltaTime, m_camera);
    return next;
}

// The outcome of a connection attempt, and the loss of a server the client was connected to (the lobby and
// the match return here when that happens, and the player is told).
GameStateSwitch MenuState::FollowConnection() {
    ClientNetwork& network = Network();
    const bool waiting = TopPage() == Page::kConnecting;
    if (waiting && network.connectionStatus == kConnectionAccepted && network.connected) {
        Pop();
        m_textBoxesInactive = false;
        return CHOOSE_STATE;
    }
    if (network.serverLost) {
        network.Disconnect();
        ShowNotice(kServerLostNotice);
        if (waiting) {
            Pop();
            m_textBoxesInactive = false;
        }
        return NO_CHANGE;
    }
    if (waiting && network.connectionStatus == kConnectionFailed) {
        Pop();
        m_textBoxesInactive = false;
        ShowNotice(network.connectionFailure == RakNet::ID_NO_FREE_INCOMING_CONNECTIONS ? kServerFullNotice
                   : network.connectionFailure == RakNet::ID_INCOMPATIBLE_PROTOCOL_VERSION
                       ? kOtherVersionNotice
                       : kConnectFailedNotice);
    }
    return NO_CHANGE;
}

void MenuState::OpenOptions() {
    Push(&m_optionsPage);
    m_applyEnabled = false;
    const Settings& settings = Settings::GetInstance();
    const std::array<bool, kOptionCount> stored = {settings.vsync,     settings.fullscreen,     settings.ssao,
                                                   settings.smartCast, settings.depthOfField,   settings.mute,
                                                   settings.camera,    settings.smartCastToggle};
    for (std::size_t option = 0; option < kOptionCount; ++option) {
        m_optionsPage.Checkbox(m_optionIndex[option]).SetChecked(stored[option]);
    }
}

bool MenuState::StartConnecting(const std::string& address) {
    ClientNetwork& network = Network();
    if (network.Connect(address, m_setup.serverPort) != RakNet::CONNECTION_ATTEMPT_STARTED) {
        ShowNotice(kBadAddressNotice);
        return false;
    }
    network.connectionStatus = kConnecting;
    m_connectingText.SetText("Connecting to " + address + " ...");
    Push(&m_connectingPage);
    m_textBoxesInactive = true;
    return true;
}

void MenuState::Connect() {
    Settings& settings = Settings::GetInstance();
    settings.name = Latin1ToUtf8(m_nameBox.GetText());
    settings.ip = Latin1ToUtf8(m_addressBox.GetText());
    ClientNetwork& network = Network();
    // A player who typed no name still needs one in the lobby; it is not kept in the settings.
    network.SetPlayerName(m_nameBox.GetText().empty() ? Settings::RandomName() : m_nameBox.GetText());
    StartConnecting(m_addressBox.GetText());
}

void MenuState::Host() {
    std::vector<std::string> arguments;
    if (m_setup.serverPort != kServerPort) {
        arguments = {"--port", std::to_string(m_setup.serverPort)};
    }
    if (!m_launcher.Start(arguments)) {
        ShowNotice(kStartFailedNotice);
        return;
    }
    Settings::GetInstance().name = Latin1ToUtf8(m_nameBox.GetText());
    Network().SetPlayerName(m_nameBox.GetText());
    StartConnecting(kLocalAddress);
}

void MenuState::ApplyOptions() {
    Settings& settings = Settings::GetInstance();
    ClientGlobals& globals = ClientGlobals::GetInstance();
    Lumaspace::GE& engine = *Lumaspace::GE::GetInstance();
    const auto checked = [this](Option option) { return OptionBox(option).IsChecked(); };

    settings.vsync = checked(kVsync);
    engine.SetVsync(settings.vsync);
    settings.smartCast = checked(kSmartCast);
    settings.smartCastToggle = checked(kSmartCastToggle);
    settings.depthOfField = checked(kDepthOfField);
    settings.ssao = checked(kSsao);
    if (!settings.ssao) {
        engine.ClearSSAO();
    }
    settings.mute = checked(kMute);
    globals.soundEnabled = !settings.mute;
    if (m_sound != nullptr) {
        m_sound->MuteAll(settings.mute);
    }
    settings.camera = checked(kCamera);
    globals.cameraFollowsMouse = !settings.camera;

    const bool fullscreen = checked(kFullscreen);
    const int width = fullscreen ? globals.screenWidth : globals.defaultWindowWidth;
    const int height = fullscreen ? globals.screenHeight : globals.defaultWindowHeight;
    if (engine.ToggleFullscreen(fullscreen, static_cast<float>(width), static_cast<float>(height))) {
        settings.fullscreen = fullscreen;
        globals.fullscreen = fullscreen;
        globals.windowWidth = width;
        globals.windowHeight = height;
    } else {
        // The window stays as it was; so do the setting and the checkbox.
        m_optionsPage.Checkbox(m_optionIndex[kFullscreen]).SetChecked(settings.fullscreen);
    }

    // The text boxes and the notice are placed again for the window as it is now.
    BuildTextBoxes(m_nameBox.GetText(), m_addressBox.GetText());
    m_notice.SetPosition(0.0f, 70.0f - static_cast<float>(globals.windowHeight) / 2.0f);
    m_textBoxesInactive = true;
    m_applyEnabled = false;
}

void MenuState::Render() {
    if (!m_initialized) {
        return;
    }
    if (!m_textBoxesInactive) {
        m_nameBox.Render();
        m_addressBox.Render();
    }
    if (!m_stack.empty()) {
        m_stack.back()->Render();
    }
    // The apply button shows as disabled only where it is: on the options page.
    if (!m_applyEnabled && TopPage() == Page::kOptions) {
        m_applyDisabled.Render();
    }
    m_logo.Render();
    GUIQueue& queue = GUIQueue::GetInstance();
    if (!m_notice.GetText().empty()) {
        queue.AddText(&m_notice);
    }
    if (TopPage() == Page::kConnecting) {
        queue.AddText(&m_connectingText);
    }
    m_backdrop.Render(m_camera, Settings::GetInstance().ssao);
}

void MenuState::EscapeIsPressed() {
    m_textBoxesInactive = true;
    if (TopPage() == Page::kConnecting) {
        Network().Disconnect();
    }
    Pop();
}
