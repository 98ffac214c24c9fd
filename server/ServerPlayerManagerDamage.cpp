// ServerPlayerManager: damage, deaths, kills and the feedback of a hit.
#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerRuneMessages.h"
#include "server/ServerPlayerManager.h"
#include "server/ServerSound.h"

namespace {

// The Tessen ninja has the female voice.
SoundId DeathSound(const PlayerRecord& player) {
    return player.character == 1 ? SoundId::DeathFemale : SoundId::DeathMale;
}

SoundId HurtSound(const PlayerRecord& player) {
    return player.character == 1 ? SoundId::FemaleHurt : SoundId::MaleHurt;
}

protocol::Vec3 ToVec3(const Float3& v) {
    return {v.x, v.y, v.z};
}

}  // namespace

void ServerPlayerManager::Damage(const RakNet::RakNetGUID& victim, float amount,
                                 const RakNet::RakNetGUID& attacker, std::int32_t ability, bool noFeedback) {
    PlayerRecord* player = FindPlayer(victim);
    if (player == nullptr || !m_hitsCount) {
        return;
    }
    // Any hit, even one a shield absorbs, ends the gains of healing and the invisibility.
    const bool wasInvisible = player->invisible;
    player->healAmount = 0.0f;
    player->invisible = false;
    if (!player->alive) {
        return;
    }
    if (player->healing) {
        player->healing = false;
        protocol::Broadcast(m_peer, protocol::HealingStateMessage{victim, false});
    }

    if (player->shield > 0.0f) {
        player->shield = 0.0f;
        protocol::Broadcast(m_peer, protocol::ShieldValueMessage{victim, 0.0f});
        // No health message follows, which would end the invisibility on the clients: they are told.
        if (wasInvisible) {
            protocol::Broadcast(m_peer, protocol::InvisibilityEndedMessage{});
            ClearInvisibility();
        }
    } else {
        player->health -= amount;
        if (player->health <= 0.0f) {
            player->alive = false;
            // Damage over time collected so far dies with the player.
            player->areaDamage = 0.0f;
            PlaySound(m_peer, DeathSound(*player), player->position);
            // A killer who has left counts nothing.
            if (PlayerRecord* killer = FindPlayer(attacker)) {
                protocol::Broadcast(m_peer, protocol::KillNoticeMessage{victim, attacker, ability});
                if (killer != player) {
                    ++killer->kills;
                }
                ++player->deaths;
                protocol::Broadcast(
                    m_peer, protocol::KillStatsMessage{victim, attacker, player->deaths, killer->kills});
            }
        }
        // Sent unclamped: health may be below 0.
        protocol::Broadcast(m_peer, protocol::PlayerHealthMessage{victim, player->health, player->alive}, {},
                            protocol::PlayerHealthSendParameters(player->health, false));
    }

    if (!noFeedback) {
        protocol::SendTo(m_peer, protocol::DamageDealtMessage{attacker, amount, ToVec3(player->position)},
                         attacker);
        protocol::Broadcast(m_peer, protocol::HitEffectMessage{ability, ToVec3(player->position)});
        PlaySound(m_peer, HurtSound(*player), player->position);
    }
}

void ServerPlayerManager::SetAreaDamage(const RakNet::RakNetGUID& guid, float value) {
    if (PlayerRecord* player = FindPlayer(guid)) {
        player->areaDamage = value;
    }
}
