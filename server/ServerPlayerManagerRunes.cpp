// ServerPlayerManager: the effects of the runes on the players (healing over time, invisibility, shield).
#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerRuneMessages.h"
#include "server/ServerPlayerManager.h"

namespace {

inline constexpr float kHealPerTick = 10.0f;
inline constexpr float kShieldValue = 1.0f;

}  // namespace

void ServerPlayerManager::StartHealing(const RakNet::RakNetGUID& guid) {
    if (PlayerRecord* player = FindPlayer(guid)) {
        player->healAmount = kHealPerTick;
        player->healing = true;
        protocol::Broadcast(m_peer, protocol::HealingStateMessage{guid, true});
    }
}

void ServerPlayerManager::SetInvisible(const RakNet::RakNetGUID& guid) {
    if (PlayerRecord* player = FindPlayer(guid)) {
        player->invisible = true;
    }
}

void ServerPlayerManager::SetShield(const RakNet::RakNetGUID& guid) {
    if (PlayerRecord* player = FindPlayer(guid)) {
        player->shield = kShieldValue;
    }
}

void ServerPlayerManager::HealTick() {
    if (!m_timers.IsHealTick()) {
        return;
    }
    for (PlayerRecord& player : m_players) {
        if (!(player.healAmount > 0.0f)) {
            continue;
        }
        player.invisible = false;
        player.health += player.healAmount;
        if (player.health > player.maxHealth) {
            player.health = player.maxHealth;
            player.healAmount = 0.0f;
            player.healing = false;
            protocol::Broadcast(m_peer, protocol::HealingStateMessage{player.guid, false});
        }
        protocol::Broadcast(m_peer, protocol::PlayerHealthMessage{player.guid, player.health, player.alive},
                            {}, protocol::PlayerHealthSendParameters(player.health, false));
        m_timers.ConsumeHealTick();
    }
}

void ServerPlayerManager::ClearRuneEffects() {
    for (PlayerRecord& player : m_players) {
        player.shield = 0.0f;
        player.invisible = false;
        player.healing = false;
        player.healAmount = 0.0f;
        protocol::Broadcast(m_peer, protocol::HealingStateMessage{player.guid, false});
    }
}

void ServerPlayerManager::ClearInvisibility() {
    for (PlayerRecord& player : m_players) {
        player.invisible = false;
    }
}

void ServerPlayerManager::ClearShields() {
    for (PlayerRecord& player : m_players) {
        player.shield = 0.0f;
    }
}
