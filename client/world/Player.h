// One participant of a match as the client shows it: a ninja of one of the three kinds (NinjaKind.h), its
// health, team and state, its five abilities, and what it owns to show itself (floating texts, health bar,
// aim markers, dash and weapon trails, team ring, hit emitter, walking sound).
//
// The local player is driven by the keyboard and mouse (UpdateLocal): it picks and fires its abilities, walks
// against the obstacles, dashes where the server says, and reports its position and facing through the
// connection. A remote player is driven by the server's records (UpdateRemote): it glides to the reported
// position and facing and plays the animations the others started. The server decides health, death, team,
// invisibility; the player shows them. The player manager owns every player and feeds it what the
// connection received; the player reaches the connection only to send.
//
// The world matrix only moves the model: the skeleton turns the body to its facing (AnimationState).
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "client/ui/AbilityBar.h"
#include "client/ui/HealthBar.h"
#include "client/ui/SoundHandle.h"
#include "client/world/AnimatedObject.h"
#include "client/world/FloatingTexts.h"
#include "client/world/NinjaKind.h"
#include "client/world/PlayerInput.h"
#include "client/world/PlayerMovement.h"
#include "client/world/PlayerSurroundings.h"
#include "client/world/PositionReporter.h"
#include "client/world/RemoteGlide.h"
#include "client/world/SmartCast.h"
#include "client/world/abilities/Ability.h"
#include "raknet/RakNetTypes.h"
#include "shared/CollisionShapes.h"
#include "shared/collision/CollisionOBB.h"

class AimMarkers;
class Model;
class ParticleEmitter;
class ParticleRenderer;
class Trail;
class TrailRenderer;
struct NetworkPlayer;

// The five ability slots, in the order the player holds them.
enum class AbilitySlotIndex : std::size_t { Melee = 0, Q = 1, Ranged = 2, E = 3, Tool = 4 };
inline constexpr std::size_t kPlayerAbilityCount = 5;

class Player : public AnimatedObject {
public:
    static constexpr float kMaxHealth = 100.0f;
    static constexpr double kGlobalCooldownLength = 0.4;
    static constexpr float kHitBurstSeconds = 0.5f;
    // Remote players choose their running clips from their motion sampled this often (seconds).
    static constexpr double kLegSampleInterval = 0.03;
    // The light over every living player.
    static constexpr float kLightHeight = 1.8f;
    static constexpr float kLightRange = 1.5f;
    static constexpr float kLightColour = 0.4f;
    // Where the health bar and the texts sit over the position, and the bar's size in pixels.
    static constexpr float kHeadHeight = 2.4f;
    static constexpr float kHealthBarWidth = 70.0f;
    static constexpr float kHealthBarHeight = 14.0f;
    // The outline's scale about the model's origin.
    static constexpr float kOutlineScale = 1.1f;
    static constexpr float kTeamRingScale = 0.8f;
    static constexpr float kRingHeight = 0.03f;
    static constexpr const char* kTeamRingModel = "../Ombrin/Models/TeamRingShape.ZMD";
    static constexpr const char* kTrailTexture = "../Ombrin/2DTextures/Particles/Trail.png";
    static constexpr const char* kPortraitFolder = "../Ombrin/2DTextures/Ninjas/";
    // The players' trails: points per second, seconds each point lives, width.
    static constexpr float kTrailRate = 1000.0f;
    static constexpr float kTrailLifetime = 0.5f;
    static constexpr float kTrailWidth = 0.1f;
    // A remote dash trail goes out by itself this long after the 2 that started it: the 5 that ends it
    // travels unreliably and may never come, and the longest dash at its slowest lasts under 0.4 s.
    static constexpr float kRemoteDashTrailSeconds = 1.0f;
    // The dash trail runs this high over the position.
    static constexpr float kTrailHeight = 1.0f;

    // Who the player is, as the roster says.
    struct Identity {
        RakNet::RakNetGUID guid{};
        int playerIndex = -1;
        std::string name;
        int team = 0;
        int tool = 0;  // the lobby's tool number, 0..3
        bool local = false;
    };

    // A ninja of kind working with surroundings (both must outlive the player).
    Player(const NinjaKind& kind, const PlayerSurroundings& surroundings);
    ~Player() override;

    // The ninja's model and clips at position facing direction, health 100, alive, no selection, no dash;
    // its five abilities, its texts, bar, markers, trails, ring, hit emitter and walking sound. A part that
    // fails leaves the player without it. False when the model has nothing to draw.
    bool InitializePlayer(const Identity& identity, const glm::vec3& position, const glm::vec3& direction);
    // Releases everything the player owns and stops its walking sound. Safe twice.
    void Shutdown() override;

    // One frame of the local player: the smart-cast mode; while alive the selection and firing of abilities
    // and the walk or dash, reported through the connection; the parts that follow the player. A frame time
    // of 0 (the first frame after a state switch) moves nothing.
    void UpdateLocal(double frameTime, const PlayerInput& input);
    // One frame of a remote player from its record: glide, health, death and revival, team, invisibility.
    void UpdateRemote(double frameTime, const NetworkPlayer& record);
    // The local player's own record (health, alive, team), taken over as a remote one's.
    void ApplyLocalRecord(const NetworkPlayer& record);
    // The record's state when the player is made: health, team, invisibility and death, shown without
    // numbers.
    void StartFromRecord(const NetworkPlayer& record);

    // The server's placements of the local player (a respawn, a refused report): it stands there at once.
    void Place(const glm::vec3& position);
    // The server started the local player's dash towards target. A target on the player's own position ends
    // the dash at once (animation 5 sent, trail off).
    void StartDash(const glm::vec3& target);
    // An animation another player started (ID_ANIMATION): played; for a ninja that dashes with Q, 2 starts
    // its dash trail and 5 stops it (or kRemoteDashTrailSeconds, whichever comes first).
    void ReceiveAnimation(int animation);
    // A new round: every ability ready.
    void ResetCooldowns();

    // The facing (a ground-plane vector; zero is ignored). The local player's is reported.
    void SetFacing(const glm::vec3& facing);
    // A health change: a drop shows the damage and bursts the hit emitter for kHitBurstSeconds, a rise shows
    // the heal; an unchanged value shows nothing. Health below 0 is kept as 0.
    void SetHealth(float health);
    // Death starts the death clips, revival returns to the standing clips.
    void SetAlive(bool alive);
    void SetTeam(int team) { m_identity.team = team; }
    void SetInvisible(bool invisible) { m_invisible = invisible; }
    void SetInView(bool inView) { m_inView = inView; }
    // Set by the playing state's occlusion test: the level hides the player from the camera.
    void SetHiddenByLevel(bool hidden) { m_hiddenByLevel = hidden; }

    // The passes. Render (the scene pass, from AnimatedObject) and RenderDepth (the shadow pass, which moves
    // the pose on) draw the skinned model.
    // The two outline passes: the depth of the outline, then the model scaled by kOutlineScale in colour.
    void RenderOutlineDepth() const;
    void RenderOutline(const glm::vec4& colour) const;
    // The local player's markers of held abilities (while smart casting is off), the team ring, the light
    // over the player and the hit emitter, for a living player; the dash and weapon trails, always.
    void RenderEffects(ParticleRenderer& particles, TrailRenderer& trails);
    // The texts and the health bar follow the head on screen.
    void UpdateOverlays(const ScreenProjection& screen);
    // Queues the health bar and the texts.
    void RenderOverlays(bool matchOver) const;

    // Slot 17 to 19 of the ninja: the markers of the held abilities, the ability bar's figures, and the
    // selection of the specials by Q, E and R.
    void UpdateAimMarkers();
    std::array<AbilityReading, AbilityBar::kSlotCount> AbilityReadings() const;
    void UpdateAbilityBar(AbilityBar& bar) const { bar.Update(AbilityReadings()); }
    void SelectSpecialAbilities(const PlayerInput& input);

    // The outline colour of a team: red (1, 0, 0, 1) for team 1, blue (0, 0, 1, 1) for team 2, none else.
    static glm::vec4 TeamOutlineColour(int team);
    // The animation number a use of the slot's ability plays and sends: melee 0, ranged 1, Q 2, E 3, tool 4.
    static int UseAnimation(AbilitySlotIndex slot);

    const NinjaKind& Kind() const { return m_kind; }
    const Identity& GetIdentity() const { return m_identity; }
    const RakNet::RakNetGUID& Guid() const { return m_identity.guid; }
    bool IsLocal() const { return m_identity.local; }
    int GetTeam() const { return m_identity.team; }
    float GetHealth() const { return m_health; }
    float GetMaxHealth() const { return m_maxHealth; }
    bool IsAlive() const { return m_alive; }
    bool IsInvisible() const { return m_invisible; }
    bool IsInView() const { return m_inView; }
    bool IsHiddenByLevel() const { return m_hiddenByLevel; }
    float GetBaseSpeed() const { return m_kind.baseSpeed; }
    const Ability& GetAbility(AbilitySlotIndex slot) const {
        return *m_abilities[static_cast<std::size_t>(slot)];
    }
    Ability& GetAbility(AbilitySlotIndex slot) { return *m_abilities[static_cast<std::size_t>(slot)]; }
    // The ability picked this frame; the plain Ability when none.
    const Ability& GetSelected() const { return *m_selected; }
    bool HasSelection() const { return m_selected != &m_noAbility; }
    double GetGlobalCooldown() const { return m_globalCooldown; }
    float GetAimDistance() const { return m_aimDistance; }
    const Dash& GetDash() const { return m_dash; }
    bool IsDashing() const { return m_dash.active; }
    const glm::vec3& GetPreviousPosition() const { return m_previousPosition; }
    const CollisionSphere& GetSphere() const { return m_sphere; }
    // The body boxes where the player stands (the model's boxes moved with it).
    const ObjectVolumes& GetBodyVolumes() const { return m_body; }
    bool IsSmartCastOn() const { return m_smartCast.IsOn(); }
    bool IsWalking() const { return m_walking; }
    SoundHandle GetWalkingSound() const { return m_walkingSound; }
    float GetHitBurstTimer() const { return m_hitTimer; }
    const ParticleEmitter* GetHitEmitter() const { return m_hitEmitter.get(); }
    const Trail* GetDashTrail() const { return m_dashTrail.get(); }
    bool IsDashTrailOn() const;
    const Trail* GetWeaponTrail() const { return m_weaponTrail.get(); }
    const AimMarkers* GetAimMarkers() const { return m_markers.get(); }
    const FloatingTexts& Texts() const { return m_texts; }
    const HealthBar& GetHealthBar() const { return m_healthBar; }
    const RemoteGlide& PositionGlide() const { return m_positionGlide; }
    const PositionReporter& Reporter() const { return m_reporter; }
    const std::string& PortraitPath() const { return m_portraitPath; }
    // What the player last said it could not do ("Can't use that ability."), counted for tests and the log.
    int RefusalCount() const { return m_refusals; }

private:
    void CreateAbilities();
    void CreateParts(const glm::vec3& position);
    void SelectAndFire(double frameTime, const PlayerInput& input);
    void Select(AbilitySlotIndex slot);
    void Refuse();
    float AimDistanceTo(const GroundPoint& mouse) const;
    void Move(double frameTime, const PlayerInput& input);
    void DashFrame(double frameTime);
    void EndDash();
    void WalkFrame(double frameTime, const glm::vec3& walk);
    void SetWalking(bool walking);
    // Moves the model, the sphere's pending centre and the body boxes; a remote player's legs follow the
    // motion sampled every kLegSampleInterval.
    void MoveTo(const glm::vec3& position, double frameTime);
    void PlaceBody();
    void ReportPosition();
    void UpdateVisibility(double frameTime);
    void UpdateParts(double frameTime);
    void ApplyRecordState(const NetworkPlayer& record);
    void PlayAndAnnounce(int animation);
    void SetDashTrail(bool on);

    const NinjaKind& m_kind;
    const PlayerSurroundings& m_surroundings;
    Identity m_identity;

    float m_health = kMaxHealth;
    float m_maxHealth = kMaxHealth;
    bool m_alive = true;

    std::array<std::unique_ptr<Ability>, kPlayerAbilityCount> m_abilities;
    Ability m_noAbility;
    Ability* m_selected = &m_noAbility;
    AbilitySlotIndex m_selectedSlot = AbilitySlotIndex::Melee;
    double m_globalCooldown = 0.0;
    float m_aimDistance = 0.0f;

    Dash m_dash;
    glm::vec3 m_previousPosition{0.0f};
    CollisionSphere m_sphere{{}, kPlayerSphereRadius};
    ObjectVolumes m_bodyShape;  // the model's volumes about its origin
    ObjectVolumes m_body;
    PositionReporter m_reporter;

    double m_sampleTime = 0.0;
    glm::vec3 m_sampledPosition{0.0f};
    RemoteGlide m_positionGlide;
    RemoteGlide m_directionGlide;
    // The heading of the last move (radians, atan2 of z and x), which the trails follow.
    float m_moveHeading = 0.0f;
    double m_frameTime = 0.0;

    SmartCast m_smartCast;
    PlayerInput m_input;  // this frame's, for the markers drawn in the render pass
    bool m_invisible = false;
    bool m_inView = true;
    bool m_hiddenByLevel = false;
    bool m_walking = false;
    // A placement moved the player: the visibility polygon follows at its next frame.
    bool m_visibilityStale = false;
    int m_refusals = 0;

    FloatingTexts m_texts;
    HealthBar m_healthBar;
    std::unique_ptr<AimMarkers> m_markers;
    std::unique_ptr<Trail> m_dashTrail;
    std::unique_ptr<Trail> m_weaponTrail;
    std::unique_ptr<ParticleEmitter> m_hitEmitter;
    const Model* m_teamRing = nullptr;
    float m_hitTimer = 0.0f;
    float m_remoteTrailTimer = 0.0f;
    SoundHandle m_walkingSound;
    std::string m_portraitPath;
};
