// The lobby on a server: the player picks a team, a ninja and a tool, says it is ready and, once everyone
// in the lobby is ready, asks the server to start. Both teams' members are listed as the server reports
// them (players already in the match count as ready), with the match score; the chosen ninja's abilities
// are described when the mouse rests on them. The choice is sent whenever it changes; when the server starts
// the match, the final choice is sent and the match follows. A lost server sends the player back to the menu.
//
// Behind the page, the arena shows the players of a match already running on the server, moving as the
// server reports them (a player manager in lobby mode).
//
// The state is rebuilt every time it is entered: team none, the first ninja and tool, not ready.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "client/app/Camera.h"
#include "client/app/GameState.h"
#include "client/app/LobbyAbilityBar.h"
#include "client/app/LobbyTeamList.h"
#include "client/app/LobbyTexts.h"
#include "client/app/MenuBackdrop.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/Menu.h"
#include "client/ui/TextObject.h"
#include "client/ui/Tooltip.h"
#include "client/world/PlayerManager.h"

class ChooseState : public GameState {
public:
    static constexpr const char* kBackgroundLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";
    static constexpr const char* kWaitingText = "Waiting for other players!";

    // The team the player has picked, as the messages number teams; none until a team button is clicked.
    static constexpr TeamNumber kNoTeamChosen = kAutomaticTeam;
    // The action codes of the lobby page's buttons.
    enum Action : int {
        kLeave = 0,
        kNextNinja = 3,
        kPreviousNinja = 4,
        kNextTool = 5,
        kPreviousTool = 6,
        kRedTeamButton = 18,
        kBlueTeamButton = 19,
        kRandom = 20,
    };

    explicit ChooseState(ClientNetwork& network);

    using GameState::Initialize;
    bool Initialize(const std::string& levelName) override;
    bool Initialize() override { return Initialize(kBackgroundLevel); }
    void Shutdown() override;
    GameStateSwitch Update(double deltaTime) override;
    void Render() override;
    // Leaves the server (the application then shows the menu).
    void EscapeIsPressed() override;

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }
    int GetTeam() const { return m_team; }
    int Ninja() const { return m_ninja; }
    int Tool() const { return m_tool; }
    const Camera& GetCamera() const { return m_camera; }
    const MenuBackdrop& Backdrop() const { return m_backdrop; }
    // The players of the match running on the server, shown in the scene behind the page.
    const PlayerManager& Players() const { return m_players; }
    bool IsReady() const { return m_ready; }
    const LobbyTeamList& RedList() const { return m_red; }
    const LobbyTeamList& BlueList() const { return m_blue; }
    const MenuItem& Marker() const { return m_marker; }
    const MenuButton& PlayButton() const { return m_playButton; }
    const MenuButton& ReadyButton() const { return m_readyButton; }
    const TextObject& RedScore() const { return m_redScore; }
    const TextObject& BlueScore() const { return m_blueScore; }
    bool ToolTooltipShown() const { return m_toolTooltipShown; }
    const LobbyAbilityBar& AbilityBar() const { return m_abilityBars.at(static_cast<std::size_t>(m_ninja)); }
    // Replaces the random button's generator (tests).
    void SetRandomSource(std::function<unsigned()> draw) { m_draw = std::move(draw); }

private:
    void RebuildLists();
    void KeepTeam();
    void SendChoiceIfChanged();
    void ChooseTeam(TeamNumber team);
    void ShowReadyButton();
    void PickRandomly();
    void UpdateButtons(const WidgetInput& input);

    ClientNetwork& m_network;
    bool m_initialized = false;
    std::string m_levelName;
    float m_width = 1280.0f;
    float m_height = 1024.0f;

    Menu m_page;
    MenuButton m_playButton;
    MenuButton m_readyButton;
    TeamNumber m_team = kNoTeamChosen;
    int m_ninja = 0;
    int m_tool = 0;
    bool m_ready = false;
    TeamNumber m_previousTeam = kNoTeamChosen;
    int m_previousNinja = 0;
    int m_previousTool = 0;
    bool m_previousReady = true;  // differs from ready, so the first frame sends the choice
    int m_lastRandomPick = 0;
    std::function<unsigned()> m_draw;
    std::mt19937 m_generator;

    LobbyTeamList m_red;
    LobbyTeamList m_blue;
    MenuItem m_marker;
    MenuItem m_tint;
    MenuItem m_banner;
    MenuItem m_pageBackground;
    std::array<MenuItem, kNinjaCount> m_portraits;
    std::array<MenuItem, kLobbyToolCount> m_toolIcons;
    std::array<Tooltip, kLobbyToolCount> m_toolTooltips;
    std::array<LobbyAbilityBar, kNinjaCount> m_abilityBars;
    bool m_toolTooltipShown = false;
    TextObject m_redScore;
    TextObject m_blueScore;
    TextObject m_waiting;

    Camera m_camera;
    MenuBackdrop m_backdrop;
    PlayerManager m_players{m_network};
};
