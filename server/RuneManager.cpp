#include "server/RuneManager.h"

#include "protocol/MessageSend.h"
#include "protocol/ServerRuneMessages.h"
#include "server/MovedBoxes.h"
#include "server/ServerPlayerManager.h"
#include "shared/ModelLibrary.h"

namespace {

constexpr std::array<RuneType, 3> kRuneTypes = {RuneType::Heal, RuneType::Invisible, RuneType::Shield};

protocol::RunePlacement Placement(RuneType type, const LevelRune& rune) {
    return {static_cast<std::int32_t>(type), {rune.position.x, rune.position.y, rune.position.z}};
}

}  // namespace

bool RuneManager::Initialize(RakNet::RakPeerInterface* peer, const LevelData& level) {
    Shutdown();
    m_peer = peer;
    const std::vector<LevelRune> runes = level.GetRunes();
    ModelLibrary& library = ModelLibrary::GetInstance();
    for (const RuneType type : kRuneTypes) {
        Slot& slot = SlotOf(type);
        for (const LevelRune& rune : runes) {
            if (rune.type == type) {
                slot.rune = rune;
                slot.boxes = MovedBoxes(library.Get(kRuneModels[static_cast<std::size_t>(type)]).GetBoxes(),
                                        rune.position);
                break;
            }
        }
    }
    return true;
}

void RuneManager::Shutdown() {
    m_slots = {};
    m_shieldEndSent = false;
    m_invisibilityEndSent = false;
    m_invisibilityTimer = 0.0f;
    m_shieldTimer = 0.0f;
}

bool RuneManager::HasRune(RuneType type) const {
    return SlotOf(type).rune.has_value();
}

bool RuneManager::IsRuneAvailable(RuneType type) const {
    return SlotOf(type).available;
}

void RuneManager::SpawnAllRunes() {
    for (Slot& slot : m_slots) {
        slot.available = slot.rune.has_value();
    }
    m_shieldEndSent = false;
    m_invisibilityEndSent = false;
    BroadcastSpawn();
}

// All three in one ID_RUNES_SPAWNED. A level that lacks a kind cannot fill that message, so its runes are
// announced one at a time, each as the clients' single-rune appearance (ID_HEAL_RUNE_RESPAWNED carries the
// rune's type).
void RuneManager::BroadcastSpawn() const {
    protocol::RunesSpawnedMessage all;
    bool complete = true;
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].rune) {
            all.runes[i] = Placement(kRuneTypes[i], *m_slots[i].rune);
        } else {
            complete = false;
        }
    }
    if (complete) {
        protocol::Broadcast(m_peer, all);
        return;
    }
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].rune) {
            protocol::Broadcast(m_peer, protocol::HealRuneRespawnedMessage{all.runes[i]});
        }
    }
}

void RuneManager::RespawnHealRune() {
    Slot& heal = SlotOf(RuneType::Heal);
    if (!heal.rune) {
        return;
    }
    heal.available = true;
    protocol::Broadcast(m_peer, protocol::HealRuneRespawnedMessage{Placement(RuneType::Heal, *heal.rune)});
}

void RuneManager::ResetRunes(ServerPlayerManager& players) {
    for (Slot& slot : m_slots) {
        slot.available = false;
    }
    m_shieldEndSent = true;
    m_invisibilityEndSent = true;
    const auto removed = [this](RuneType type) {
        protocol::Broadcast(m_peer, protocol::RuneRemovedMessage{static_cast<std::int32_t>(type)});
    };
    removed(RuneType::Heal);
    removed(RuneType::Invisible);
    SendInvisibilityEnded(players);
    removed(RuneType::Shield);
    SendShieldEnded(players);
}

void RuneManager::AnnounceEnd(bool& announced, float& timer, RuneType type, float dt,
                              ServerPlayerManager& players) {
    if (timer > 0.0f) {
        timer -= dt;
        return;
    }
    if (SlotOf(type).available || announced) {
        return;
    }
    announced = true;
    if (type == RuneType::Invisible) {
        SendInvisibilityEnded(players);
    } else {
        SendShieldEnded(players);
    }
}

void RuneManager::UpdateTimers(double frameTime, ServerPlayerManager& players) {
    const float dt = static_cast<float>(frameTime);
    AnnounceEnd(m_invisibilityEndSent, m_invisibilityTimer, RuneType::Invisible, dt, players);
    AnnounceEnd(m_shieldEndSent, m_shieldTimer, RuneType::Shield, dt, players);
}

void RuneManager::SendInvisibilityEnded(ServerPlayerManager& players) const {
    protocol::Broadcast(m_peer, protocol::InvisibilityEndedMessage{});
    players.ClearInvisibility();
}

void RuneManager::SendShieldEnded(ServerPlayerManager& players) const {
    protocol::Broadcast(m_peer, protocol::ShieldEndedMessage{});
    players.ClearShields();
}

void RuneManager::SendRuneState(const RakNet::RakNetGUID& guid) const {
    protocol::RuneStateMessage state;
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        state.runes[i].present = m_slots[i].available;
        state.runes[i].rune.type = static_cast<std::int32_t>(kRuneTypes[i]);
        if (m_slots[i].rune) {
            state.runes[i].rune = Placement(kRuneTypes[i], *m_slots[i].rune);
        }
    }
    protocol::SendTo(m_peer, state, guid);
}
