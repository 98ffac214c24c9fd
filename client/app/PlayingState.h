// A match: the level's scene, the local and remote players kept up to date from the connection, the camera
// over the local player (or over the team mate a dead player watches), the line of sight, the heads-up
// display, the notices, the in-match menu (Escape) and the victory screen. It is rebuilt with the server's
// level every time the application switches to it.
//
// It leaves for the lobby when the player continues after the match or the server moves on to the next
// level, and for the main menu when the player leaves, or when the server is lost (the menu tells the
// player why).
//
// The particle and trail renderers and the death board belong to the application, which draws the
// renderers' queues after the state's render and keeps the board for the whole program; each may be absent.
#pragma once

#include <string>
#include <vector>

#include "Lumagrid/EngineTypes.h"
#include "client/app/Camera.h"
#include "client/app/GameState.h"
#include "client/app/GroundProjection.h"
#include "client/app/MatchNotices.h"
#include "client/app/Spectating.h"
#include "client/app/SuddenDeathEffect.h"
#include "client/ui/AbilityBar.h"
#include "client/ui/HudPlayer.h"
#include "client/ui/MatchStatus.h"
#include "client/ui/Minimap.h"
#include "client/ui/PauseMenu.h"
#include "client/ui/RoundDisplay.h"
#include "client/ui/Scoreboard.h"
#include "client/ui/TeamStatusBar.h"
#include "client/ui/VictoryMenu.h"
#include "client/world/CollisionManager.h"
#include "client/world/ObjectManager.h"
#include "client/world/PlayerInput.h"
#include "client/world/PlayerManager.h"
#include "client/world/ViewFrustum.h"
#include "client/world/effects/FlashBangEffects.h"
#include "client/world/effects/RuneEffects.h"
#include "client/world/effects/RuneSet.h"
#include "shared/LevelRecords.h"

class ClientNetwork;
class DeathBoard;
class ParticleRenderer;
class TrailRenderer;

// What the application shares with the match; none is owned and each may be null.
struct MatchSharedParts {
    ParticleRenderer* particles = nullptr;
    TrailRenderer* trails = nullptr;
    DeathBoard* deathBoard = nullptr;
};

class PlayingState : public GameState {
public:
    static constexpr const char* kShadowTexture = "../Ombrin/2DTextures/Particles/ShadowShapeTexture.png";
    // The countdown after a won match below which the camera shows the whole arena.
    static constexpr int kOverviewCountdown = 7;
    // The visibility map reaches this far beyond what the window shows.
    static constexpr float kVisibilityMargin = 10.0f;

    PlayingState(ClientNetwork& network, MatchSharedParts shared = {});
    ~PlayingState() override;

    using GameState::Initialize;
    // False when a part did not start: the level has no objects, or the server's record of the local player
    // names no ninja.
    bool Initialize(const std::string& levelName) override;
    void Shutdown() override;
    GameStateSwitch Update(double deltaTime) override;
    void Render() override;
    // Opens or closes the in-match menu (never while the match is over); the menu music plays while it is
    // open.
    void EscapeIsPressed() override;

    bool IsInitialized() const { return m_initialized; }
    const std::string& LevelName() const { return m_levelName; }
    const Camera& GetCamera() const { return m_camera; }
    const PlayerManager& Players() const { return m_players; }
    const ObjectManager& Objects() const { return m_objects; }
    const CollisionManager& Collision() const { return m_collision; }
    const MatchNotices& Notices() const { return m_notices; }
    const Minimap& GetMinimap() const { return m_minimap; }
    const Scoreboard& GetScoreboard() const { return m_scoreboard; }
    const TeamStatusBar& StatusBar() const { return m_statusBar; }
    const RoundDisplay& GetRoundDisplay() const { return m_roundDisplay; }
    const Spectating& GetSpectating() const { return m_spectating; }
    const SuddenDeathEffect& SuddenDeath() const { return m_suddenDeath; }
    const FlashBangEffects& FlashBangs() const { return m_flashBangs; }
    const RuneSet& Runes() const { return m_runes; }
    const RuneEffects& GetRuneEffects() const { return m_runeEffects; }
    bool IsMenuOpen() const { return m_menuOpen; }
    bool IsScoreboardShown() const { return m_showScoreboard; }
    GroundPoint MouseWorld() const { return m_mouseWorld; }
    // The guids the last update reported as seen by the local line of sight.
    const std::vector<RakNet::RakNetGUID>& SeenPlayers() const { return m_seen; }

private:
    MatchStatus ReadMatchStatus() const;
    std::vector<HudPlayer> ReadRemoteRows() const;
    HudPlayer ReadLocalRow() const;
    PlayerInput ReadPlayerInput() const;
    void Aim();
    void UpdateCameraAndSpectating(double frameTime);
    void UpdateMinimapAndSighting();
    void UpdateOcclusion();
    void ResizeVisibility();
    void UpdateVisibilityBoundaries();
    void TakeKills();
    glm::vec3 LocalPosition() const;
    void SetMenuOpen(bool open);
    void RenderScene();
    void RenderHud();

    ClientNetwork& m_network;
    MatchSharedParts m_shared;
    bool m_initialized = false;
    bool m_firstUpdate = true;
    std::string m_levelName;
    int m_roundSeen = 0;

    Camera m_camera;
    ObjectManager m_objects;
    CollisionManager m_collision;
    PlayerManager m_players;
    ViewFrustum m_frustum;
    Lumaspace::DirectionalLight m_light;
    VisibilityExtents m_visibility;
    GroundPoint m_mouseWorld;
    glm::vec3 m_facing{0.0f, 0.0f, 1.0f};
    std::vector<RakNet::RakNetGUID> m_seen;

    MatchNotices m_notices;
    AbilityBar m_abilityBar;
    TeamStatusBar m_statusBar;
    RoundDisplay m_roundDisplay;
    Minimap m_minimap;
    Scoreboard m_scoreboard;
    PauseMenu m_pauseMenu;
    VictoryMenu m_victoryMenu;
    bool m_menuOpen = false;
    bool m_showScoreboard = false;
    Spectating m_spectating;
    SuddenDeathEffect m_suddenDeath;
    FlashBangEffects m_flashBangs;
    RuneSet m_runes;
    RuneEffects m_runeEffects;
};
