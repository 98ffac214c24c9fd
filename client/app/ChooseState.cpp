#include "client/app/ChooseState.h"

#include "client/app/RandomPick.h"
#include "client/app/WidgetInputSource.h"
#include "client/world/ViewFrustum.h"

namespace {

constexpr const char* kPlayTexture = "../Ombrin/2DTextures/GUI/play.png";
constexpr const char* kPlayDisabledTexture = "../Ombrin/2DTextures/GUI/play_baw.png";
constexpr const char* kReadyTexture = "../Ombrin/2DTextures/GUI/ready.png";
constexpr const char* kUnreadyTexture = "../Ombrin/2DTextures/GUI/unready.png";
constexpr const char* kReadyDisabledTexture = "../Ombrin/2DTextures/GUI/ready_baw.png";
// The current tool's icon: its tooltip shows while the mouse is over it.
constexpr float kToolIconHalf = 25.0f;
constexpr float kToolHoverBottom = -165.0f;
constexpr float kToolHoverTop = -115.0f;

int Wrap(int value, int count) {
    return ((value % count) + count) % count;
}

}  // namespace

ChooseState::ChooseState(ClientNetwork& network) : m_network(network) {}

GameStateSwitch ChooseState::Update(double deltaTime) {
    if (!m_initialized) {
        return NO_CHANGE;
    }
    ClientNetwork& network = m_network;
    if (network.serverLost) {
        return MENU_STATE;  // the menu tells the player and leaves the server
    }
    m_camera.UpdateOverview(deltaTime);
    m_players.SetViewFrustum(ViewFrustum::FromCamera(m_camera.GetView(), m_camera.GetProjection()));
    m_players.Update(deltaTime, PlayerInput{});
    m_backdrop.Update(deltaTime, m_camera);

    const WidgetInput input = ReadWidgetInput(deltaTime);
    m_abilityBars[static_cast<std::size_t>(m_ninja)].Update(input.mouseX, input.mouseY);
    m_toolTooltipShown = input.mouseX > -kToolIconHalf && input.mouseX < kToolIconHalf &&
                         input.mouseY >= kToolHoverBottom && input.mouseY <= kToolHoverTop;

    RebuildLists();
    KeepTeam();
    const std::string red = std::to_string(network.redRoundWins);
    const std::string blue = std::to_string(network.blueRoundWins);
    if (m_redScore.GetText() != red) {
        m_redScore.SetText(red);
    }
    if (m_blueScore.GetText() != blue) {
        m_blueScore.SetText(blue);
    }

    switch (m_page.Update(input).code) {
        case kLeave:
            network.Disconnect();
            return MENU_STATE;
        case kNextNinja:
            m_ninja = Wrap(m_ninja + 1, kNinjaCount);
            break;
        case kPreviousNinja:
            m_ninja = Wrap(m_ninja - 1, kNinjaCount);
            break;
        case kNextTool:
            m_tool = Wrap(m_tool + 1, kLobbyToolCount);
            break;
        case kPreviousTool:
            m_tool = Wrap(m_tool - 1, kLobbyToolCount);
            break;
        case kRedTeamButton:
            ChooseTeam(kRedTeam);
            break;
        case kBlueTeamButton:
            ChooseTeam(kBlueTeam);
            break;
        case kRandom:
            PickRandomly();
            break;
        default:
            break;
    }
    UpdateButtons(input);

    if (network.events.gameStarted.Take()) {
        network.SendFinalChoice(m_ninja, m_tool, m_team);
        network.inLobby = false;
        return PLAYING_STATE;
    }
    return NO_CHANGE;
}

// Players already in the match are listed as ready; lobby members without a team are not listed. The local
// player is in neither list: the marker shows where it would stand.
void ChooseState::RebuildLists() {
    const ClientNetwork& network = m_network;
    m_red.Clear();
    m_blue.Clear();
    for (const NetworkPlayer& player : network.remotePlayers) {
        (player.team == 1 ? m_red : m_blue).AddRow(player.character, player.tool, true, player.name);
    }
    for (const LobbyPlayer& player : network.lobbyPlayers) {
        if (player.team == 1) {
            m_red.AddRow(player.character, player.tool, player.ready, player.name);
        } else if (player.team == 2) {
            m_blue.AddRow(player.character, player.tool, player.ready, player.name);
        }
    }
}

// The cases follow one another on the current team, so a player whose team filled up is moved to no team
// and that choice is sent in the same frame. Leaving a team this way also ends being ready, as leaving it
// with the team button does.
void ChooseState::KeepTeam() {
    for (const TeamNumber team : {kRedTeam, kBlueTeam}) {
        if (m_team != team) {
            continue;
        }
        const LobbyTeamList& list = team == kRedTeam ? m_red : m_blue;
        m_marker.SetPosition(list.NextRowX(), list.NextRowY());
        if (list.IsFull()) {
            m_team = kNoTeamChosen;
            m_ready = false;
            ShowReadyButton();
        } else {
            SendChoiceIfChanged();
        }
    }
    if (m_team == kNoTeamChosen) {
        m_marker.SetPosition(0.0f, 0.33f * m_height);
        SendChoiceIfChanged();
    }
    m_previousTeam = m_team;
    m_previousNinja = m_ninja;
    m_previousTool = m_tool;
    m_previousReady = m_ready;
}

void ChooseState::SendChoiceIfChanged() {
    if (m_team != m_previousTeam || m_ninja != m_previousNinja || m_tool != m_previousTool ||
        m_ready != m_previousReady) {
        m_network.SendLobbyChoice(m_ninja, m_tool, m_team, m_ready);
    }
}

// A full team refuses the player; choosing the own team again leaves it.
void ChooseState::ChooseTeam(TeamNumber team) {
    if (m_team != team) {
        if ((team == kRedTeam ? m_red : m_blue).IsFull()) {
            return;
        }
        m_team = team;
    } else {
        m_team = kNoTeamChosen;
        m_ready = false;
    }
    ShowReadyButton();
}

void ChooseState::ShowReadyButton() {
    m_readyButton.SetTexture(m_team == kNoTeamChosen ? kReadyDisabledTexture
                             : m_ready               ? kUnreadyTexture
                                                     : kReadyTexture);
}

void ChooseState::PickRandomly() {
    const auto draw = m_draw ? m_draw : std::function<unsigned()>([this] { return m_generator(); });
    m_lastRandomPick = NextRandomPick(m_lastRandomPick, draw);
    const LobbyChoice choice = ChoiceOfPick(m_lastRandomPick);
    m_ninja = choice.ninja;
    m_tool = choice.tool;
}

// The play and ready buttons are hidden, and do nothing, once the match is over.
void ChooseState::UpdateButtons(const WidgetInput& input) {
    ClientNetwork& network = m_network;
    if (network.matchOver) {
        return;
    }
    const bool canStart = m_ready && network.AllLobbyPlayersReady();
    const char* play = canStart ? kPlayTexture : kPlayDisabledTexture;
    if (m_playButton.Texture() != play) {
        m_playButton.SetTexture(play);
    }
    if (canStart && m_playButton.IsClicked(input)) {
        network.SendStartRequest();
    }
    if (m_team != kNoTeamChosen && m_readyButton.IsClicked(input)) {
        m_ready = !m_ready;
        ShowReadyButton();
    }
}

void ChooseState::EscapeIsPressed() {
    m_network.Disconnect();
}
