// The game on one level: the level being played and every manager that lives on it (players, flying and
// lying objects, the collision world, runes), the round clock that drives runes and sudden death, and the
// round wins of the match. NormalState adds the match rules. A level change re-initialises the state in
// place.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/ActiveStab.h"
#include "server/FanManager.h"
#include "server/ProjectileManager.h"
#include "server/RoundClock.h"
#include "server/RoundWins.h"
#include "server/RuneManager.h"
#include "server/ServerPlayerManager.h"
#include "server/ShurikenManager.h"
#include "server/SmokeBombManager.h"
#include "server/SpikeTrapManager.h"
#include "server/StickyTrapManager.h"
#include "server/VolleyManager.h"
#include "shared/LevelData.h"
#include "shared/collision/CollisionChecker.h"
#include "shared/collision/LevelCollisionMap.h"

namespace RakNet {
class RakPeerInterface;
}

class GameState {
public:
    static constexpr double kSuddenDeathMinutes = 2.0;
    // Sudden death has lasted this long before its damage starts.
    static constexpr float kSuddenDeathDamageDelay = 10.0f;
    static constexpr double kRuneSpawnSeconds = 30.0;

    GameState() = default;
    virtual ~GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    // Re-initialises for another level with the stored peer and level list; false before Initialize.
    virtual bool Reset(int levelIndex);
    // Loads the level at levelIndex (wrapped into the list) and creates every manager for it.
    virtual bool Initialize(RakNet::RakPeerInterface* peer, std::vector<std::string> levelList,
                            int levelIndex);
    virtual void Shutdown();
    virtual void Update(double frameTime);
    // The game time in seconds until the game has something to do that no network input brings about (a
    // countdown announcing a second or running out); nothing when only input can change what it does.
    virtual std::optional<double> SecondsUntilTimerDue() const { return std::nullopt; }

    // A connection arrived (before it is counted and told the level).
    virtual void OnNewConnection(const RakNet::RakNetGUID& guid);
    // A connection left or was lost: its player and lobby entry go.
    virtual void RemovePlayer(const RakNet::RakNetGUID& guid);
    // Seats a new player and tells everybody whether sudden death is on; false, doing nothing, when guid is a
    // player already.
    bool AddPlayer(const std::string& name, std::int32_t character, std::int32_t tool,
                   std::int32_t teamRequest, const RakNet::RakNetGUID& guid);
    void SendRoundTime(const RakNet::RakNetGUID& guid) const;
    void SendScores(const RakNet::RakNetGUID& guid) const;
    void SetVisibleList(const RakNet::RakNetGUID& guid, const std::vector<std::uint8_t>& indices);
    void SetLobbyEntry(const RakNet::RakNetGUID& guid, LobbyEntry entry);
    // An ability request of a known, living player: carried out, then, if the player was invisible,
    // everybody is told its invisibility ended.
    void UseAbility(std::int32_t ability, float distance, const RakNet::RakNetGUID& guid);
    // Reply to ID_RUNE_STATE.
    void SendRuneState(const RakNet::RakNetGUID& guid) const;

    // The player manager of the current level; nullptr before Initialize and after Shutdown.
    ServerPlayerManager* GetPlayerManager() const { return m_playerManager.get(); }
    // The path of the level being played: its level list entry.
    const std::string& GetCurrentLevelPath() const {
        return m_levelList[static_cast<std::size_t>(m_levelIndex)];
    }
    int GetLevelIndex() const { return m_levelIndex; }
    const LevelData* GetLevel() const { return m_level.get(); }
    bool IsRoundCountdownActive() const { return m_roundCountdownActive; }
    bool IsSuddenDeath() const { return m_suddenDeath; }
    const RoundClock& GetRoundClock() const { return m_roundClock; }
    const RoundWins& GetRoundWins() const { return m_roundWins; }
    // The managers of the current level; nullptr before Initialize and after Shutdown.
    ShurikenManager* GetShurikenManager() const { return m_shurikenManager.get(); }
    ProjectileManager* GetProjectileManager() const { return m_projectileManager.get(); }
    FanManager* GetFanManager() const { return m_fanManager.get(); }
    SmokeBombManager* GetSmokeBombManager() const { return m_smokeBombManager.get(); }
    SpikeTrapManager* GetSpikeTrapManager() const { return m_spikeTrapManager.get(); }
    StickyTrapManager* GetStickyTrapManager() const { return m_stickyTrapManager.get(); }
    VolleyManager* GetVolleyManager() const { return m_volleyManager.get(); }
    RuneManager* GetRuneManager() const { return m_runeManager.get(); }
    CollisionChecker* GetCollisionChecker() const { return m_collisionChecker.get(); }
    // The naginata stabs in progress on the current level.
    const std::vector<ActiveStab>& GetStabs() const { return m_stabs; }

protected:
    // Whether a round is being fought. The round clock, sudden death and the rune timing run only then: not
    // during the countdown between rounds.
    virtual bool IsRoundRunning() const { return !m_roundCountdownActive; }
    // Sudden death off, runes not yet spawned, clock at 0:00; tells everybody sudden death is off.
    void ResetRoundTimedState();
    // Round start: every flying and lying object goes.
    void ClearObjects();

    RakNet::RakPeerInterface* m_peer = nullptr;
    std::vector<std::string> m_levelList;
    int m_levelIndex = 0;
    std::unique_ptr<LevelData> m_level;

    std::unique_ptr<ServerPlayerManager> m_playerManager;
    std::unique_ptr<ShurikenManager> m_shurikenManager;
    std::unique_ptr<LevelCollisionMap> m_collisionMap;
    std::unique_ptr<CollisionChecker> m_collisionChecker;
    std::vector<ActiveStab> m_stabs;
    std::unique_ptr<SmokeBombManager> m_smokeBombManager;
    std::unique_ptr<SpikeTrapManager> m_spikeTrapManager;
    std::unique_ptr<StickyTrapManager> m_stickyTrapManager;
    std::unique_ptr<FanManager> m_fanManager;
    std::unique_ptr<ProjectileManager> m_projectileManager;
    std::unique_ptr<VolleyManager> m_volleyManager;
    std::unique_ptr<RuneManager> m_runeManager;

    RoundWins m_roundWins;
    RoundClock m_roundClock;
    bool m_suddenDeath = false;
    float m_suddenDeathDelay = 0.0f;
    bool m_runesSpawned = false;
    bool m_healRuneRespawned = false;
    bool m_roundCountdownActive = false;
    float m_lastFrameTime = 0.0f;

private:
    void CreateManagers();
    void UpdateObjects(double dt);
    // Every object, rune and stab against the players and the level.
    void CheckCollisions();
    // The clock runs only while both teams have players. While a team has none it is held at its start; one
    // that had run starts over once, with the round's timed state.
    void UpdateRoundClock(double dt);
    // The round's timed state starts over and everybody is told.
    void RestartRoundClock();
    void UpdateSuddenDeath(double dt);
    void UpdateRuneTiming();
};
