// Every player of a match or of the lobby's scene: the local player and the remote players, kept in step
// with the connection's records. Remote players are matched to their records by guid, never by list
// position, so a record that moves in the list (a player left before it) still drives its own ninja.
//
// In a match (Initialize(false)) the manager creates the local player from the connection's local record and
// drives it with the frame's input. In lobby mode (Initialize(true)) there is no local player: the scene
// shows the remote players of a match already running on the server, created, removed and moved as in a
// match.
//
// Each Update, in this order: the roster (a remote player for each new record of a known character, none
// for a guid that left); a round start resets every ability; the local player takes its record, the
// server's placements (respawn, refused report) and dash target, and its frame of input; each remote player
// glides to its record; the animations the others started are played; the in-view flags follow the view
// frustum; the ability bar gets the local player's figures.
//
// The playing state calls the passes in its frame: RenderShadowDepth in the shadow pass, RenderScene in the
// scene pass (after PrepareRenderAnimated), the two outline passes, RenderEffects (markers, rings, lights,
// emitters, trails) and the overlays. A remote player in a match is drawn when the local team can see it
// (a team mate, inside the local visibility polygon, or reported visible by the server); in the lobby when
// its bounding sphere is inside the view frustum.
#pragma once

#include <memory>
#include <vector>

#include <glm/vec3.hpp>

#include "client/ui/HealthBar.h"
#include "client/world/Player.h"
#include "client/world/PlayerInput.h"
#include "client/world/PlayerSurroundings.h"
#include "client/world/ViewFrustum.h"
#include "client/world/abilities/NetworkAbilitySender.h"
#include "raknet/RakNetTypes.h"

class AbilityBar;
class ClientNetwork;
class CollisionManager;
class ParticleRenderer;
class SoundSystem;
class StickyTrapField;
class TrailRenderer;

class PlayerManager {
public:
    // The connection must outlive the manager.
    explicit PlayerManager(ClientNetwork& network);
    ~PlayerManager();
    PlayerManager(const PlayerManager&) = delete;
    PlayerManager& operator=(const PlayerManager&) = delete;

    // Clears the manager. In a match, creates the local player from the connection's local record (where
    // the connection has it, facing its direction) and the remote players of the roster; in lobby mode only
    // the remote players. False when the local record names no known character (no local player then).
    bool Initialize(bool lobby);
    // Releases every player. Safe twice and before Initialize.
    void Shutdown();

    // What the players work with; each may be null (see PlayerSurroundings.h) and stays the caller's.
    void SetCollision(const CollisionManager* collision) { m_surroundings.collision = collision; }
    void SetStickyTraps(const StickyTrapField* traps) { m_surroundings.stickyTraps = traps; }
    void SetSoundSystem(SoundSystem* sound) { m_surroundings.sound = sound; }
    // The bar the local player's abilities are shown on; null for none.
    void SetAbilityBar(AbilityBar* bar) { m_abilityBar = bar; }
    // The camera's view for the in-view flags and the lobby's culling (until set, everything is in view).
    void SetViewFrustum(const ViewFrustum& frustum) { m_frustum = frustum; }

    // One frame (see above). The input drives the local player only; frameTime may be 0.
    void Update(double frameTime, const PlayerInput& input);
    // The local player's facing, set by the playing state towards the mouse.
    void SetLocalFacing(const glm::vec3& facing);

    // The passes of the frame.
    void RenderShadowDepth();
    void RenderScene();
    void RenderOutlineDepth() const;
    void RenderOutlines() const;
    void RenderEffects(ParticleRenderer& particles, TrailRenderer& trails);
    void UpdateOverlays(const ScreenProjection& screen);
    void RenderOverlays(bool matchOver) const;

    bool IsLobby() const { return m_lobby; }
    // Null in lobby mode and before Initialize.
    Player* GetLocalPlayer() { return m_local.get(); }
    const Player* GetLocalPlayer() const { return m_local.get(); }
    // The remote players, in the order their records first appeared.
    const std::vector<std::unique_ptr<Player>>& GetRemotePlayers() const { return m_remote; }
    // The player of a guid, the local one included; null for none.
    Player* FindPlayer(const RakNet::RakNetGUID& guid);
    const Player* FindPlayer(const RakNet::RakNetGUID& guid) const;
    // The living remote players of the local player's team (whom a dead player watches), in roster order.
    std::vector<const Player*> LivingTeamMates() const;
    // Whether a remote player is drawn this frame (see above).
    bool IsShown(const Player& remote) const;

    const PlayerSurroundings& Surroundings() const { return m_surroundings; }

private:
    void SyncRoster();
    void CreateLocalPlayer();
    std::unique_ptr<Player> MakePlayer(const NetworkPlayer& record, bool local);
    void UpdateLocalPlayer(double frameTime, const PlayerInput& input);
    void UpdateRemotePlayers(double frameTime);
    void PlayAnimationEvents();
    bool InFrustum(const Player& player) const;
    // Calls draw with every player the passes draw: the local one (unless in the lobby) and the remote ones
    // shown this frame.
    template <typename Draw>
    void ForEachDrawn(Draw draw) const;

    ClientNetwork& m_network;
    NetworkAbilitySender m_sender;
    PlayerSurroundings m_surroundings;
    AbilityBar* m_abilityBar = nullptr;
    ViewFrustum m_frustum;
    bool m_lobby = false;
    bool m_initialized = false;
    int m_rosterSeen = -1;
    int m_roundSeen = 0;
    std::unique_ptr<Player> m_local;
    std::vector<std::unique_ptr<Player>> m_remote;
};
