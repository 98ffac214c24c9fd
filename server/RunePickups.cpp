// RuneManager: players taking the runes.
#include "protocol/MessageSend.h"
#include "protocol/ServerRuneMessages.h"
#include "server/RuneManager.h"
#include "server/ServerPlayerManager.h"
#include "server/ServerSound.h"
#include "shared/collision/Overlaps.h"

namespace {

// The first body box that touches one of the rune's boxes.
std::optional<CollisionBox> TouchingBox(const std::vector<CollisionBox>& rune,
                                        const std::vector<CollisionBox>& body) {
    for (const CollisionBox& part : body) {
        for (const CollisionBox& box : rune) {
            if (BoxesOverlap(box, part)) {
                return part;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

void RuneManager::CheckPickups(ServerPlayerManager& players) {
    const std::vector<PlayerRecord> snapshot = players.GetPlayers();
    for (std::size_t i = 0; i < snapshot.size(); ++i) {
        const PlayerRecord& player = snapshot[i];
        if (!player.alive) {
            continue;
        }
        const std::vector<CollisionBox> body = players.GetBodyBoxes(static_cast<int>(i));
        const auto take = [&](RuneType type) -> std::optional<Float3> {
            Slot& slot = SlotOf(type);
            if (!slot.available) {
                return std::nullopt;
            }
            const std::optional<CollisionBox> touching = TouchingBox(slot.boxes, body);
            if (!touching) {
                return std::nullopt;
            }
            slot.available = false;
            return touching->center;
        };
        if (const std::optional<Float3> at = take(RuneType::Heal)) {
            players.StartHealing(player.guid);
            protocol::Broadcast(m_peer, protocol::HealRuneTakenMessage{player.guid});
            PlaySound(m_peer, SoundId::RuneHealPickup, *at);
        }
        if (const std::optional<Float3> at = take(RuneType::Invisible)) {
            players.SetInvisible(player.guid);
            protocol::Broadcast(m_peer, protocol::InvisibilityRuneTakenMessage{player.guid});
            m_invisibilityTimer = kRuneEffectDuration;
            PlaySound(m_peer, SoundId::RuneInvisibilityPickup, *at);
        }
        if (const std::optional<Float3> at = take(RuneType::Shield)) {
            players.SetShield(player.guid);
            protocol::Broadcast(m_peer, protocol::ShieldRuneTakenMessage{player.guid});
            m_shieldTimer = kRuneEffectDuration;
            PlaySound(m_peer, SoundId::RuneShieldPickup, *at);
        }
    }
}
