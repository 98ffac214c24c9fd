// The match's lifecycle and its update, step by step in the order the frame needs them.
#include "client/app/PlayingState.h"

#include <cstddef>
#include <cstdint>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/DebugLog.h"
#include "client/app/Input.h"
#include "client/app/MenuBackdrop.h"
#include "client/app/QuitMessage.h"
#include "client/app/Settings.h"
#include "client/app/VirtualKeys.h"
#include "client/app/WidgetInputSource.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/DeathBoard.h"
#include "client/ui/SoundSystem.h"
#include "shared/LevelData.h"
#include "shared/collision/CollisionOBB.h"

using Lumaspace::GE;

namespace {

// The ability bar's centre above the window's bottom edge.
constexpr float kAbilityBarAbove = 60.0f;

KeyInput KeyOf(int state) {
    return KeyInput{state == KEY_DOWN, state == KEY_RELEASED};
}

bool Released(int code) {
    return Input::GetInstance().GetKeyState(code) == KEY_RELEASED;
}

}  // namespace

PlayingState::PlayingState(ClientNetwork& network, MatchSharedParts shared)
    : m_network(network), m_shared(shared), m_players(network) {}

PlayingState::~PlayingState() {
    Shutdown();
}

bool PlayingState::Initialize(const std::string& levelName) {
    Shutdown();
    m_levelName = levelName;
    m_initialized = true;
    m_firstUpdate = true;
    m_roundSeen = m_network.RoundNumber();
    ClientGlobals& globals = ClientGlobals::GetInstance();
    const Settings& settings = Settings::GetInstance();
    const float width = static_cast<float>(globals.windowWidth);
    const float height = static_cast<float>(globals.windowHeight);
    GE* engine = GE::GetInstance();

    globals.smartCastActive = settings.smartCast;
    m_camera.Reset();

    const LevelData level(levelName);
    engine->SS_ClearStaticLines();
    for (const LevelShadowLine& line : level.GetShadowLines()) {
        engine->SS_AddStaticLine(Lumaspace::Line{{line.a.x, line.a.z}, {line.b.x, line.b.z}});
    }
    // The level's fires, smoke, leaves and dust go to the application's particle pass; its fire, wind and
    // bird loops play as this match's own.
    m_objects.SetParticleRenderer(m_shared.particles);
    m_objects.SetSound(m_sound);
    // The match's thrown weapons and traps: mirrored from the connection's lists, fans flying back to the
    // players, trails on the trail pass, and the landed sticky traps slowing the players.
    m_objects.SetNetwork(&m_network);
    m_objects.SetPlayers(&m_players);
    m_objects.SetTrailRenderer(m_shared.trails);
    m_players.SetStickyTraps(&m_objects.GetEntities());
    bool ready = m_objects.Initialize(level);
    m_network.SendRuneStateRequest();

    // A level box line holds its half-sizes in the order z, y, x.
    std::vector<CollisionOBB> boxes;
    for (const LevelBox& box : level.GetBoxes()) {
        const Float3 halfSizes{box.halfSizesZyx.z, box.halfSizesZyx.y, box.halfSizesZyx.x};
        boxes.push_back(MakeCollisionOBB(box.center, halfSizes, kNoRotation));
    }
    m_collision.SetLevelBoxes(boxes);

    m_players.SetCollision(&m_collision);
    m_players.SetSoundSystem(m_sound);
    m_players.SetAbilityBar(&m_abilityBar);
    ready = m_players.Initialize(false) && ready;
    const protocol::Vec3 direction = m_network.LocalDirection();
    m_facing = {direction.x, 0.0f, direction.z};

    m_frustum = ViewFrustum::FromCamera(m_camera.GetView(), m_camera.GetProjection());
    m_objects.SetViewFrustum(m_frustum);
    m_players.SetViewFrustum(m_frustum);

    m_minimap.Initialize(width, height);
    m_notices.Initialize();
    m_abilityBar.Initialize(0.0f, -0.5f * height + kAbilityBarAbove, m_network.localPlayer.character,
                            m_network.localPlayer.tool);
    m_scoreboard.Initialize();
    m_statusBar.Initialize(height);
    m_network.SendRoundTimeRequest();
    m_network.SendScoresRequest();

    m_light = MenuBackdrop::NightLight();
    DebugLog::Write("Light source initialized successfully.");

    m_roundDisplay.Initialize(height);
    m_mouseWorld = {};
    ResizeVisibility();
    const glm::vec3 position = LocalPosition();
    engine->UpdateVisibilityPolygon(Lumaspace::Point{position.x, position.z},
                                    static_cast<float>(globals.deltaTime));
    m_spectating.Reset();
    m_menuOpen = false;

    m_pauseMenu.Initialize();
    m_victoryMenu.Initialize(width, height);
    // The sudden-death mist, the players' rune effects and the flash-bang's white screen start here.
    m_suddenDeath.Initialize(height);  // without its texture only the notice shows
    m_runes.Initialize();
    m_runeEffects.Initialize(width, height);
    m_flashBangs.Clear();
    m_showScoreboard = false;
    return ready;
}

void PlayingState::Shutdown() {
    m_players.Shutdown();
    m_objects.Shutdown();
    m_objects.SetSound(nullptr);
    m_objects.SetParticleRenderer(nullptr);
    m_notices.Shutdown();
    m_abilityBar.Shutdown();
    m_statusBar.Shutdown();
    m_roundDisplay.Shutdown();
    m_minimap.Shutdown();
    m_scoreboard.Shutdown();
    m_pauseMenu.Shutdown();
    m_victoryMenu.Shutdown();
    m_suddenDeath.Shutdown();
    m_flashBangs.Clear();
    m_runes.Shutdown();
    m_runeEffects.Shutdown();
    m_seen.clear();
    m_menuOpen = false;
    m_showScoreboard = false;
    m_levelName.clear();
    m_initialized = false;
}

glm::vec3 PlayingState::LocalPosition() const {
    const Player* local = m_players.GetLocalPlayer();
    return local != nullptr ? local->GetPosition() : glm::vec3(0.0f);
}

GameStateSwitch PlayingState::Update(double deltaTime) {
    if (!m_initialized) {
        return NO_CHANGE;
    }
    if (m_network.serverLost) {
        return MENU_STATE;  // the menu tells the player and leaves the server
    }
    // The first update after entering carries the time the match took to load: nothing moves by it.
    const double frameTime = m_firstUpdate ? 0.0 : deltaTime;
    m_firstUpdate = false;
    ClientGlobals& globals = ClientGlobals::GetInstance();
    ClientNetwork& network = m_network;
    GE& engine = *GE::GetInstance();

    if (Released(VirtualKey::ForCharacter('m'))) {
        globals.soundEnabled = !globals.soundEnabled;
        if (m_sound != nullptr) {
            m_sound->MuteAll(!globals.soundEnabled);
        }
    }
    if (Released(VirtualKey::ForCharacter('o'))) {
        globals.cameraFollowsMouse = !globals.cameraFollowsMouse;
    }
    const bool roundStarted = network.RoundNumber() != m_roundSeen;
    if (roundStarted) {
        m_roundSeen = network.RoundNumber();
        // The flash-bang's white screen ends here.
        m_flashBangs.Clear();
        m_runes.HideAll();
        m_spectating.RoundStarted();
    }
    if (network.connected && network.events.newLevel.Take()) {
        m_levelName = network.GetLevelName();
        Shutdown();
        return CHOOSE_STATE;
    }

    m_notices.Fade();
    if (roundStarted) {
        m_notices.ShowRoundStarted();
    }
    if (network.events.runesAppeared.Take()) {
        m_notices.ShowRunesAppeared();
    }

    Aim();
    m_players.Update(frameTime, ReadPlayerInput());

    const Player* local = m_players.GetLocalPlayer();
    m_spectating.UpdateLife(local == nullptr || local->IsAlive(), frameTime);
    globals.localPlayerDead = m_spectating.IsDead();
    // A sudden death's mist moves here while the server reports one.
    if (network.suddenDeath) {
        m_suddenDeath.Update(frameTime);
    }

    UpdateCameraAndSpectating(frameTime);
    if (m_spectating.IsDead() && Input::GetInstance().GetLeftButton() == KEY_RELEASED) {
        m_spectating.Advance();
    }

    m_objects.Update(frameTime, &m_collision);
    // The flash-bang's white screen fades here. The runes follow the server's records.
    for (const protocol::FlashBangMessage& thrown : network.events.flashBangs.Take()) {
        m_flashBangs.Throw(thrown);
    }
    const FlashBangEffects::Viewer viewer{LocalPosition(), m_facing};
    m_flashBangs.Update(static_cast<float>(frameTime), local != nullptr ? &viewer : nullptr, &m_collision);
    m_runes.Follow(network.runes);
    m_runes.Update(static_cast<float>(frameTime));
    m_frustum = ViewFrustum::FromCamera(m_camera.GetView(), m_camera.GetProjection());
    m_objects.SetViewFrustum(m_frustum);
    m_players.SetViewFrustum(m_frustum);
    m_players.UpdateOverlays(ScreenProjection{m_camera.GetView(), m_camera.GetProjection(),
                                              static_cast<float>(globals.windowWidth),
                                              static_cast<float>(globals.windowHeight)});

    UpdateMinimapAndSighting();

    const MatchStatus status = ReadMatchStatus();
    const std::vector<HudPlayer> others = ReadRemoteRows();
    if (network.events.roundTimeReceived.Take()) {
        m_statusBar.SetRoundTime(network.roundMinutes, network.roundSeconds);
    }
    std::vector<HudPlayer> everyone = others;
    everyone.push_back(ReadLocalRow());
    m_statusBar.Update(status, everyone, frameTime);

    for (const JoinedLeftNotice& notice : network.events.joinedLeft.Take()) {
        m_notices.ShowJoinedLeft(notice.name, notice.kind);
    }

    UpdateOcclusion();

    const bool screenChanged = engine.HasScreenChanged();
    if (screenChanged) {
        ResizeVisibility();
    }
    m_roundDisplay.Update(status, frameTime);
    m_scoreboard.Update(ReadLocalRow(), others);
    if (screenChanged) {
        const glm::vec3 position = LocalPosition();
        engine.UpdateVisibilityPolygon(Lumaspace::Point{position.x, position.z},
                                       static_cast<float>(frameTime));
    }
    engine.SS_Update(static_cast<float>(frameTime));

    TakeKills();
    if (m_shared.deathBoard != nullptr) {
        m_shared.deathBoard->Update(frameTime, static_cast<float>(globals.windowWidth),
                                    static_cast<float>(globals.windowHeight));
    }
    m_showScoreboard = Input::GetInstance().GetKeyState(VirtualKey::kTab) == KEY_DOWN;

    Aim();

    if (network.matchOver) {
        m_menuOpen = false;
        switch (m_victoryMenu.Update(ReadWidgetInput(frameTime)).code) {
            case MenuAction::kContinue:
                return CHOOSE_STATE;
            case MenuAction::kMainMenu:
                network.Disconnect();
                return MENU_STATE;
            default:
                break;
        }
    } else if (m_menuOpen) {
        switch (m_pauseMenu.Update(ReadWidgetInput(frameTime)).code) {
            case MenuAction::kResume:
                SetMenuOpen(false);
                break;
            case MenuAction::kMainMenu:
                network.Disconnect();
                return MENU_STATE;
            case MenuAction::kQuit:
                PostQuitMessage();
                break;
            default:
                break;
        }
    }

    if (m_sound != nullptr) {
        m_sound->SetListener(LocalPosition(), glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    }
    UpdateVisibilityBoundaries();
    return NO_CHANGE;
}

// Exactly one camera update per frame: the overview after a won match (once the countdown is low), the
// watched team mate while dead, the local player otherwise. Waiting, or with nobody to watch, the camera
// stays where it is.
void PlayingState::UpdateCameraAndSpectating(double frameTime) {
    if (m_network.matchOver) {
        if (m_network.countdownSeconds <= kOverviewCountdown) {
            m_camera.UpdateOverview(frameTime);
        }
        return;
    }
    if (m_spectating.IsDead()) {
        const Spectating::Target target = m_spectating.Follow(m_players.LivingTeamMates(), frameTime);
        if (target.player != nullptr) {
            const glm::vec3& at = target.player->GetPosition();
            m_camera.FollowPlayer(at.x, at.y, at.z, frameTime);
            if (target.announce) {
                m_notices.ShowSpectating(target.player->GetIdentity().name);
            }
        }
        return;
    }
    const glm::vec3 position = LocalPosition();
    m_camera.FollowPlayer(position.x, position.y, position.z, frameTime);
}

// The ground point under the mouse, and the local player's facing towards it. The frame measures move the
// mouse from the client area into the window's outer frame the projection was made for (0 under SDL).
void PlayingState::Aim() {
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    Input& input = Input::GetInstance();
    float x = static_cast<float>(input.GetMouseX());
    float y = static_cast<float>(input.GetMouseY());
    if (!globals.fullscreen) {
        x += globals.borderWidth;
        y += globals.captionHeight;
    }
    const std::optional<glm::vec3> ground = GroundUnderPixel(x, y, static_cast<float>(globals.windowWidth),
                                                             static_cast<float>(globals.windowHeight),
                                                             m_camera.GetView(), m_camera.GetProjection());
    if (!ground) {
        return;
    }
    if (!m_network.matchOver && m_players.GetLocalPlayer() != nullptr) {
        m_facing = FacingTowards(LocalPosition(), *ground, m_facing);
        m_players.SetLocalFacing(m_facing);
    }
    m_mouseWorld = GroundPoint{ground->x, ground->z};
    input.mouseWorldX = ground->x;
    input.mouseWorldZ = ground->z;
    m_collision.SetMouseGroundPoint(m_mouseWorld);
}

// While the in-match menu is open the mouse belongs to it: the buttons do not reach the player.
PlayerInput PlayingState::ReadPlayerInput() const {
    const Input& input = Input::GetInstance();
    const Settings& settings = Settings::GetInstance();
    PlayerInput player;
    player.w = KeyOf(input.GetKeyState(VirtualKey::ForCharacter('w')));
    player.a = KeyOf(input.GetKeyState(VirtualKey::ForCharacter('a')));
    player.s = KeyOf(input.GetKeyState(VirtualKey::ForCharacter('s')));
    player.d = KeyOf(input.GetKeyState(VirtualKey::ForCharacter('d')));
    player.q = KeyOf(input.GetKeyState(VirtualKey::ForCharacter('q')));
    player.e = KeyOf(input.GetKeyState(VirtualKey::ForCharacter('e')));
    player.r = KeyOf(input.GetKeyState(VirtualKey::ForCharacter('r')));
    player.space = KeyOf(input.GetKeyState(VirtualKey::kSpace));
    if (!m_menuOpen && !m_network.matchOver) {
        player.leftButton = KeyOf(input.GetLeftButton());
        player.rightButton = KeyOf(input.GetRightButton());
    }
    player.mouseGround = m_mouseWorld;
    player.smartCast = settings.smartCast;
    player.smartCastToggle = settings.smartCastToggle;
    return player;
}

MatchStatus PlayingState::ReadMatchStatus() const {
    const ClientNetwork& network = m_network;
    MatchStatus status;
    status.redRoundWins = network.redRoundWins;
    status.blueRoundWins = network.blueRoundWins;
    status.roundNumber = network.RoundNumber();
    status.countdownActive = network.countdownActive;
    status.countdownSeconds = network.countdownSeconds;
    status.lastRoundWinner = network.lastRoundWinner;
    status.matchOver = network.matchOver;
    status.matchWinner = network.matchWinner;
    status.localTeam = network.localPlayer.team;
    return status;
}

namespace {

HudPlayer RowOf(const NetworkPlayer& record) {
    HudPlayer row;
    row.id = record.guid.g;
    row.name = record.name;
    row.team = record.team;
    row.character = record.character;
    row.kills = record.kills;
    row.deaths = record.deaths;
    row.alive = record.alive;
    return row;
}

}  // namespace

HudPlayer PlayingState::ReadLocalRow() const {
    return RowOf(m_network.localPlayer);
}

std::vector<HudPlayer> PlayingState::ReadRemoteRows() const {
    std::vector<HudPlayer> rows;
    for (const NetworkPlayer& record : m_network.remotePlayers) {
        rows.push_back(RowOf(record));
    }
    return rows;
}

// The kills the server announced go to the death board with the names and teams the roster has.
void PlayingState::TakeKills() {
    const std::vector<protocol::KillNoticeMessage> kills = m_network.events.killFeed.Take();
    if (m_shared.deathBoard == nullptr) {
        return;
    }
    for (const protocol::KillNoticeMessage& kill : kills) {
        const NetworkPlayer killer = m_network.GetPlayer(kill.killer);
        const NetworkPlayer victim = m_network.GetPlayer(kill.victim);
        m_shared.deathBoard->AddKill(
            KillFeedEntry{kill.ability, killer.name, killer.team, victim.name, victim.team},
            m_network.inLobby);
    }
}

void PlayingState::EscapeIsPressed() {
    if (!m_initialized || m_network.matchOver) {
        m_menuOpen = false;
        return;
    }
    SetMenuOpen(!m_menuOpen);
}

void PlayingState::SetMenuOpen(bool open) {
    m_menuOpen = open;
    if (m_sound == nullptr) {
        return;
    }
    if (open) {
        m_sound->PlayMenuMusic();
    } else {
        m_sound->StopMenuMusic();
    }
}
