// ShurikenManager: the per-frame hit test of every shuriken.
#include "protocol/MessageIds.h"
#include "server/Enemies.h"
#include "server/ServerPlayerManager.h"
#include "server/ServerSound.h"
#include "server/ShurikenManager.h"

void ShurikenManager::CheckCollisions(ServerPlayerManager& players, const CollisionChecker& collision) {
    const std::vector<PlayerRecord> snapshot = players.GetPlayers();
    for (const ShurikenRecord& shuriken : GetObjects()) {
        const std::vector<CollisionBox> boxes = BoxesOf(shuriken);
        const SoundId sound = shuriken.mega ? SoundId::MegaShurikenHitObjects : SoundId::ShurikenHitObjects;
        const int victim = FirstEnemyTouched(players, snapshot, shuriken.owner, shuriken.ownerTeam, boxes);
        if (victim >= 0) {
            players.Damage(snapshot[static_cast<std::size_t>(victim)].guid,
                           shuriken.mega ? kMegaShurikenDamage : kShurikenDamage, shuriken.owner,
                           static_cast<std::int32_t>(protocol::AbilityId::ShurikenAbility), false);
        } else if (!HitsAnyObstacle(collision, boxes)) {
            continue;
        }
        PlaySound(m_peer, sound, Position(shuriken));
        RemoveObject(shuriken.id);
    }
}
