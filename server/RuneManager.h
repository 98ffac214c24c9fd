// The level's three runes (heal, invisibility, shield): when they appear, who takes them and when their
// effects end. Runes appear at 0:30 of a round, the heal rune again at 1:30, and all are cleared at every
// round start. The first living player in list order to touch an available rune takes it; invisibility
// and the shield last 30 s, and their end is announced once. The shield ends with its announcement; the
// invisibility may end earlier (a hit, a heal tick, an ability).
//
// Each rune kind is paired with the first rune of that type in the level's list, so a level whose runes
// are out of order still pairs each rune with its own shapes, and a kind the level lacks is never spawned
// (nor reported present).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "shared/CollisionShapes.h"
#include "shared/LevelData.h"

namespace RakNet {
class RakPeerInterface;
}
class ServerPlayerManager;

// The rune models, by rune type.
inline constexpr std::array<const char*, 3> kRuneModels = {"../Ombrin/Models/lotus_Shape.ZMD",
                                                           "../Ombrin/Models/invisScroll_Shape.ZMD",
                                                           "../Ombrin/Models/shield_Shape.ZMD"};
inline constexpr float kRuneEffectDuration = 30.0f;

class RuneManager {
public:
    // Reads the level's runes and places the rune models' boxes at them; nothing available, both timers 0,
    // no end announced yet.
    bool Initialize(RakNet::RakPeerInterface* peer, const LevelData& level);
    void Shutdown();

    // 0:30: every rune the level has appears.
    void SpawnAllRunes();
    // 1:30: the heal rune appears again; the others stay as they are.
    void RespawnHealRune();
    // Round start and round-clock restart: every rune goes, and the end of invisibility and of the shield is
    // announced now rather than later.
    void ResetRunes(ServerPlayerManager& players);
    // Counts down the effects and announces each end once.
    void UpdateTimers(double frameTime, ServerPlayerManager& players);
    // Each frame: living players touching available runes take them.
    void CheckPickups(ServerPlayerManager& players);
    // Reply to ID_RUNE_STATE.
    void SendRuneState(const RakNet::RakNetGUID& guid) const;
    // After an invisible player used an ability: everybody is told it is visible again.
    void SendInvisibilityEnded(ServerPlayerManager& players) const;
    // The shield's end: everybody is told, and no shield absorbs a hit after that.
    void SendShieldEnded(ServerPlayerManager& players) const;

    bool IsRuneAvailable(RuneType type) const;
    // Whether the level has a rune of this type.
    bool HasRune(RuneType type) const;
    float GetInvisibilityTimer() const { return m_invisibilityTimer; }
    float GetShieldTimer() const { return m_shieldTimer; }

private:
    struct Slot {
        std::optional<LevelRune> rune;
        std::vector<CollisionBox> boxes;  // the model's boxes moved to the rune
        bool available = false;
    };

    const Slot& SlotOf(RuneType type) const { return m_slots[static_cast<std::size_t>(type)]; }
    Slot& SlotOf(RuneType type) { return m_slots[static_cast<std::size_t>(type)]; }
    void BroadcastSpawn() const;
    void AnnounceEnd(bool& announced, float& timer, RuneType type, float dt, ServerPlayerManager& players);

    RakNet::RakPeerInterface* m_peer = nullptr;
    std::array<Slot, 3> m_slots;
    bool m_shieldEndSent = false;
    bool m_invisibilityEndSent = false;
    float m_invisibilityTimer = 0.0f;
    float m_shieldTimer = 0.0f;
};
