// ProjectileManager: the per-frame hit test of every kunai.
#include "server/Enemies.h"
#include "server/ProjectileManager.h"
#include "server/ServerPlayerManager.h"
#include "server/ServerSound.h"

namespace {

struct KindEffects {
    protocol::AbilityId ability;
    SoundId hitSound;
};

// What a hit of a projectile of this kind is recorded as, and the sound of its impact.
KindEffects EffectsOf(std::int32_t kind) {
    switch (static_cast<protocol::ProjectileKind>(kind)) {
        case protocol::ProjectileKind::Shuriken:
            return {protocol::AbilityId::ShurikenAbility, SoundId::ShurikenHitObjects};
        case protocol::ProjectileKind::MegaShuriken:
            return {protocol::AbilityId::MegaShuriken, SoundId::MegaShurikenHitObjects};
        case protocol::ProjectileKind::Kunai:
            break;
    }
    return {protocol::AbilityId::KunaiAbility, SoundId::KunaiHitObjects};
}

}  // namespace

void ProjectileManager::CheckCollisions(ServerPlayerManager& players, const CollisionChecker& collision) {
    const std::vector<PlayerRecord> snapshot = players.GetPlayers();
    for (const ProjectileRecord& projectile : GetObjects()) {
        const std::vector<CollisionBox> boxes = BoxesOf(projectile);
        const KindEffects effects = EffectsOf(projectile.kind);
        const int victim =
            FirstEnemyTouched(players, snapshot, projectile.owner, projectile.ownerTeam, boxes);
        if (victim >= 0) {
            players.Damage(snapshot[static_cast<std::size_t>(victim)].guid, kProjectileDamage,
                           projectile.owner, static_cast<std::int32_t>(effects.ability), false);
        } else if (!HitsAnyObstacle(collision, boxes)) {
            continue;
        }
        PlaySound(m_peer, effects.hitSound, Position(projectile));
        RemoveObject(projectile.id);
    }
}
