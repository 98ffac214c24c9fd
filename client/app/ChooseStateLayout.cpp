// Building, drawing and freeing the lobby's page.
#include <chrono>

#include "client/app/ChooseState.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Settings.h"
#include "client/ui/GUIQueue.h"

namespace {

constexpr const char* kGui = "../Ombrin/2DTextures/GUI/";
constexpr float kButtonWidth = 300.0f;
constexpr float kButtonHeight = 100.0f;
constexpr float kScoreSize = 50.0f;
constexpr std::uint32_t kRedScoreColour = 0xFF0000FFu;
constexpr std::uint32_t kBlueScoreColour = 0xFFFF0000u;
constexpr float kWaitingSize = 50.0f;

std::string Gui(const char* file) {
    return std::string(kGui) + file;
}

}  // namespace

bool ChooseState::Initialize(const std::string& levelName) {
    Shutdown();
    m_levelName = levelName;
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    m_width = static_cast<float>(globals.windowWidth > 0 ? globals.windowWidth : globals.defaultWindowWidth);
    m_height =
        static_cast<float>(globals.windowHeight > 0 ? globals.windowHeight : globals.defaultWindowHeight);
    const float w = m_width;
    const float h = m_height;

    m_red.Initialize(LobbyTeamList::RedLayout(w));
    m_blue.Initialize(LobbyTeamList::BlueLayout(w));
    m_team = m_previousTeam = kNoTeamChosen;
    m_ninja = m_tool = 0;
    m_previousNinja = m_previousTool = 0;
    m_ready = false;
    m_previousReady = true;
    m_lastRandomPick = 0;
    m_generator.seed(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));

    m_redScore.CreateText(kRedScoreColour, "0", kScoreSize, -0.33f * w, h / 2.0f - 50.0f);
    m_blueScore.CreateText(kBlueScoreColour, "0", kScoreSize, 0.33f * w, h / 2.0f - 50.0f);
    m_tint.InitializeItem(0.0f, 0.0f, w, h, Gui("bgTint.png"));
    m_banner.InitializeItem(0.0f, h / 2.0f - 50.0f, 600.0f, 100.0f, Gui("chooseButton.png"));
    m_marker.InitializeItem(0.0f, 0.33f * h, h / 13.7f, h / 13.7f,
                            "../Ombrin/2DTextures/Ninjas/pickChara.png");

    const struct {
        const char* image;
        float x;
        float y;
        float width;
        float height;
        int action;
    } buttons[] = {
        {"redTeamLobby.png", -w / 3.0f, 30.0f, w / 4.0f, h / 1.7f, kRedTeamButton},
        {"blueTeamLobby.png", w / 3.0f, 30.0f, w / 4.0f, h / 1.7f, kBlueTeamButton},
        {"back.png", 180.0f - w / 2.0f, 80.0f - h / 2.0f, kButtonWidth, kButtonHeight, kLeave},
        {"randomButton.png", 0.0f, 80.0f - h / 2.0f, kButtonWidth, kButtonHeight, kRandom},
        {"thinarrow_right.png", 145.0f, 110.0f, 50.0f, 200.0f, kNextNinja},
        {"thinarrow_left.png", -145.0f, 110.0f, 50.0f, 200.0f, kPreviousNinja},
        {"left.png", -70.0f, -125.0f, 60.0f, 60.0f, kPreviousTool},
        {"right.png", 70.0f, -125.0f, 60.0f, 60.0f, kNextTool},
    };
    for (const auto& button : buttons) {
        m_page.AddButton(button.x, button.y, button.width, button.height, Gui(button.image), button.action);
    }
    m_playButton.Initialize(w / 2.0f - 180.0f, 80.0f - h / 2.0f, kButtonWidth, kButtonHeight,
                            Gui("play_baw.png"), 0);
    m_readyButton.Initialize(w / 2.0f - 180.0f, 180.0f - h / 2.0f, kButtonWidth, kButtonHeight,
                             Gui("ready_baw.png"), 0);

    for (int ninja = 0; ninja < kNinjaCount; ++ninja) {
        m_portraits[static_cast<std::size_t>(ninja)].InitializeItem(0.0f, 110.0f, 200.0f, 200.0f,
                                                                    LobbyTeamList::PortraitTexture(ninja));
        m_abilityBars[static_cast<std::size_t>(ninja)].Initialize(ninja, w, h);
    }
    for (int tool = 0; tool < kLobbyToolCount; ++tool) {
        const auto index = static_cast<std::size_t>(tool);
        m_toolIcons[index].InitializeItem(0.0f, -125.0f, 50.0f, 50.0f, LobbyTeamList::ToolTexture(tool));
        m_toolTooltips[index].Initialize(kToolDescriptions[index], w, h);
    }
    m_pageBackground.InitializeItem(0.0f, 30.0f, 410.0f, 440.0f, Gui("lobby_bg.png"));
    m_toolTooltipShown = false;

    m_camera.Reset();
    m_backdrop.Initialize(levelName);
    m_players.Initialize(true);
    m_waiting.CreateText(0xFFFFFFFFu, "", kWaitingSize, 0.0f, 0.3f * h);
    m_waiting.SetText(kWaitingText);
    m_initialized = true;
    return true;
}

void ChooseState::Shutdown() {
    m_page.Shutdown();
    m_playButton.Shutdown();
    m_readyButton.Shutdown();
    m_red.Clear();
    m_blue.Clear();
    for (MenuItem* item : {&m_marker, &m_tint, &m_banner, &m_pageBackground}) {
        item->Shutdown();
    }
    for (MenuItem& portrait : m_portraits) {
        portrait.Shutdown();
    }
    for (MenuItem& icon : m_toolIcons) {
        icon.Shutdown();
    }
    for (Tooltip& tooltip : m_toolTooltips) {
        tooltip.Shutdown();
    }
    for (LobbyAbilityBar& bar : m_abilityBars) {
        bar.Shutdown();
    }
    for (TextObject* text : {&m_redScore, &m_blueScore, &m_waiting}) {
        text->Release();
    }
    m_players.Shutdown();
    m_backdrop.Shutdown();
    m_levelName.clear();
    m_initialized = false;
}

void ChooseState::Render() {
    if (!m_initialized) {
        return;
    }
    m_backdrop.Render(m_camera, Settings::GetInstance().ssao, &m_players);
    const ClientNetwork& network = m_network;
    const auto ninja = static_cast<std::size_t>(m_ninja);
    const auto tool = static_cast<std::size_t>(m_tool);
    GUIQueue& queue = GUIQueue::GetInstance();
    m_tint.Render();
    m_pageBackground.Render();
    m_page.Render();
    m_portraits[ninja].Render();
    m_toolIcons[tool].Render();
    m_abilityBars[ninja].Render();
    m_red.Render();
    m_blue.Render();
    m_marker.Render();
    if (m_toolTooltipShown) {
        m_toolTooltips[tool].Render();
    }
    m_banner.Render();
    queue.AddText(&m_redScore);
    queue.AddText(&m_blueScore);
    if (!network.matchOver) {
        m_playButton.Render();
        m_readyButton.Render();
    }
    if (m_ready && !network.AllLobbyPlayersReady()) {
        queue.AddText(&m_waiting);
    }
}
