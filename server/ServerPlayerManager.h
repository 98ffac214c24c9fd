// The server's authoritative list of players on the current level, with the lobby of connections that have
// not joined yet. It seats joining players (index, team, spawn point), checks reported movement, and sends
// the roster, the lobby and the periodic position and visibility broadcasts. The game state builds one per
// level, so a level change drops every player and lobby entry.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/CombatWorld.h"
#include "server/JoinRules.h"
#include "server/Lobby.h"
#include "server/PlayerRecord.h"
#include "server/SpawnAssigner.h"
#include "server/TickTimers.h"
#include "server/VisibilityLists.h"
#include "shared/CollisionShapes.h"
#include "shared/LevelData.h"

namespace RakNet {
class RakPeerInterface;
}

// The body models of the three characters, by character number; their collision boxes are the body.
inline constexpr std::array<const char*, kCharacterCount> kCharacterBodyModels = {
    "../Ombrin/Models/Ninja1Shape.ZMD", "../Ombrin/Models/Ninja2Shape.ZMD",
    "../Ombrin/Models/Ninja3Shape.ZMD"};

// A reported position may move at most this far on each axis from the last accepted one.
inline constexpr float kMaxPositionStep = 5.0f;

class ServerPlayerManager {
public:
    // Takes the level's spawn points and the body boxes from the model library; empties every list and
    // restarts the timers. A level without spawn points is played with everybody at the origin, which is
    // said once on the console.
    bool Initialize(RakNet::RakPeerInterface* peer, const LevelData& level);
    void Shutdown();

    // Lobby. Entries of connections that are players already are ignored. Names are kept as PlayerName
    // keeps them, here and in AddPlayer.
    void SetLobbyEntry(const RakNet::RakNetGUID& guid, LobbyEntry entry);
    void StartLobbyGame() const;
    void BroadcastLobby() const;

    // Seats a new player (the caller checks that guid is not one yet) and announces it.
    void AddPlayer(const std::string& name, std::int32_t character, std::int32_t tool,
                   std::int32_t teamRequest, const RakNet::RakNetGUID& guid);
    // Removes the player, if guid is one, and in any case its lobby entry and visibility list; announces
    // both.
    void RemovePlayer(const RakNet::RakNetGUID& guid);

    // Movement reports of a living player. A position that is not finite or jumps more than
    // kMaxPositionStep on an axis is refused with ID_POSITION_REJECTED; a direction that is not finite is
    // ignored.
    void SetPosition(const RakNet::RakNetGUID& guid, float x, float y, float z);
    void SetDirection(const RakNet::RakNetGUID& guid, float x, float y, float z);
    // Round start: a spawn point of the player's team, told to the player; healing stops.
    void Respawn(const RakNet::RakNetGUID& guid);
    // Round start: full health, alive again and no damage over time left from the last round, told to
    // everybody.
    void Revive(const RakNet::RakNetGUID& guid);
    void ClearSpawnAssignments() { m_spawns.Clear(); }
    // Round start and clock restart: shields, invisibility and healing (its ticks too) end.
    void ClearRuneEffects();

    // Combat (ServerPlayerManagerAbilities.cpp, ServerPlayerManagerDamage.cpp).
    // Carries out an ability request of a living player from its last reported position and facing, then
    // acknowledges it with ID_USE_ABILITY. Unknown ability numbers and requests whose distance is not a
    // finite number are only acknowledged; requests of unknown or dead players are dropped.
    void UseAbility(std::int32_t ability, float distance, const RakNet::RakNetGUID& guid, CombatWorld& world);
    // The only way health goes down. A shield absorbs the hit (and, on an invisible victim, everybody is
    // told its invisibility ended); otherwise health drops by amount and may kill, which also drops the
    // victim's damage over time. Either way the attacker gets ID_DAMAGE_DEALT and everybody sees the hit,
    // unless noFeedback. A dead victim or a guid that is no player takes nothing.
    // Whether hits count: only while a round runs. Between a round's win and the next round's start, and
    // after the match, nothing hurts, so no death or kill can follow ID_ROUND_WON or ID_MATCH_WON.
    void SetHitsCount(bool count) { m_hitsCount = count; }
    void Damage(const RakNet::RakNetGUID& victim, float amount, const RakNet::RakNetGUID& attacker,
                std::int32_t ability, bool noFeedback);
    void SetAreaDamage(const RakNet::RakNetGUID& guid, float value);

    // Rune effects (ServerPlayerManagerRunes.cpp). None of the setters sends anything but StartHealing's
    // ID_HEALING_STATE.
    void StartHealing(const RakNet::RakNetGUID& guid);
    void SetInvisible(const RakNet::RakNetGUID& guid);
    void SetShield(const RakNet::RakNetGUID& guid);
    // At each heal tick every healing player gains its heal amount, up to its maximum health, where the
    // healing ends.
    void HealTick();
    // Every player becomes visible: called whenever ID_INVISIBILITY_ENDED goes out, so that later rosters
    // agree with what the clients were told.
    void ClearInvisibility();
    // Every player loses its shield: called whenever ID_SHIELD_ENDED goes out, so that no hit is absorbed
    // after the clients were told the shield is gone.
    void ClearShields();
    // ID_ANIMATION from a player, to everybody else.
    void RelayAnimation(const RakNet::RakNetGUID& guid, std::int32_t animation) const;
    void SetVisibleList(const RakNet::RakNetGUID& guid, const std::vector<std::uint8_t>& indices);

    bool IsPlayer(const RakNet::RakNetGUID& guid) const { return FindPlayerIndex(guid) >= 0; }
    // The player's position in the list, or -1.
    int FindPlayerIndex(const RakNet::RakNetGUID& guid) const;
    // A copy of the record; an empty record with player index -1 when guid is no player.
    PlayerRecord GetPlayer(const RakNet::RakNetGUID& guid) const;
    std::int32_t GetTeam(const RakNet::RakNetGUID& guid) const;
    bool IsInvisible(const RakNet::RakNetGUID& guid) const;
    std::vector<PlayerRecord> GetPlayers() const { return m_players; }
    const std::vector<PlayerRecord>& Players() const { return m_players; }
    // The record itself, for the combat and rune code that changes health and effects; nullptr when guid is
    // no player. Valid until the next AddPlayer or RemovePlayer.
    PlayerRecord* FindPlayer(const RakNet::RakNetGUID& guid);
    // The body boxes of the player at this list position, moved to its position; none outside the list.
    std::vector<CollisionBox> GetBodyBoxes(int listPosition) const;

    void BroadcastPlayerList() const;
    void BroadcastPositions() const;
    void BroadcastVisibility() const;

    // Every frame: the broadcasts when due, and the damage and heal tick timers.
    void UpdateTimers(double dt);
    bool IsDamageTick() const { return m_timers.IsDamageTick(); }
    void ConsumeDamageTick() { m_timers.ConsumeDamageTick(); }
    bool IsHealTick() const { return m_timers.IsHealTick(); }
    void ConsumeHealTick() { m_timers.ConsumeHealTick(); }

    RakNet::RakPeerInterface* GetPeer() const { return m_peer; }
    void SetRandomSource(SpawnAssigner::RandomSource random) { m_spawns.SetRandomSource(std::move(random)); }
    const SpawnAssigner& GetSpawns() const { return m_spawns; }
    const Lobby& GetLobby() const { return m_lobby; }
    const VisibilityLists& GetVisibility() const { return m_visibility; }

private:
    // One ability of user, whose request is known to be sound.
    void CarryOutAbility(std::int32_t ability, float distance, const PlayerRecord& user, CombatWorld& world);
    // The spawn position for a player of team (the origin on a level without spawn points).
    Float3 ChooseSpawnPoint(const RakNet::RakNetGUID& guid, std::int32_t team);

    RakNet::RakPeerInterface* m_peer = nullptr;
    std::vector<PlayerRecord> m_players;
    SpawnAssigner m_spawns;
    std::array<std::vector<CollisionBox>, kCharacterCount> m_bodyBoxes;
    float m_maxHealth = kPlayerMaxHealth;
    TickTimers m_timers;
    VisibilityLists m_visibility;
    Lobby m_lobby;
    bool m_hitsCount = true;
};
