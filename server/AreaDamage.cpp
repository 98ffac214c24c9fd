#include "server/AreaDamage.h"

#include "server/ServerPlayerManager.h"

void ApplyAreaDamage(ServerPlayerManager& players, const PlayerRecord& target, const AreaDamage& effect,
                     float frameTime) {
    const float collected = target.areaDamage;
    if (collected > effect.threshold) {
        players.ConsumeDamageTick();
        if (players.IsDamageTick()) {
            players.Damage(target.guid, collected, effect.attacker, effect.ability, !effect.feedback);
            players.SetAreaDamage(target.guid, 0.0f);
            return;
        }
    }
    players.SetAreaDamage(target.guid, collected + effect.rate * frameTime);
}
