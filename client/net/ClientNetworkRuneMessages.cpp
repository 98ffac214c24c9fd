// Game messages about runes: where they appear, who takes them, and their sounds.
#include <cmath>

#include "client/net/ClientNetwork.h"
#include "shared/SoundNumbers.h"

using namespace RakNet;

namespace {

// Spawn sound and ambient loop of each rune type (heal, invisibility, shield).
struct RuneSounds {
    SoundId spawn;
    SoundId loop;
};
constexpr RuneSounds kRuneSounds[protocol::kRuneCount] = {
    {SoundId::RuneHealSpawn, SoundId::RuneHeal},
    {SoundId::RuneInvisibilitySpawn, SoundId::RuneInvisibility},
    {SoundId::RuneShieldSpawn, SoundId::RuneShield},
};
constexpr std::size_t kMaxRunes = 32;

bool ValidPlacement(const protocol::RunePlacement& rune) {
    return rune.type >= 0 && rune.type < static_cast<std::int32_t>(protocol::kRuneCount) &&
           std::isfinite(rune.position.x) && std::isfinite(rune.position.y) && std::isfinite(rune.position.z);
}

}  // namespace

void ClientNetwork::AddRune(const protocol::RunePlacement& placement, bool withSounds) {
    if (!ValidPlacement(placement) || runes.size() >= kMaxRunes) {
        return;
    }
    runes.push_back(RuneRecord{placement.type, placement.position, true, withSounds});
    if (withSounds) {
        const RuneSounds& sounds = kRuneSounds[placement.type];
        events.soundEvents.Push(SoundEvent{SoundNumber(sounds.spawn), placement.position});
        events.soundEvents.Push(SoundEvent{SoundNumber(sounds.loop), placement.position});
    }
}

void ClientNetwork::TakeRune(std::int32_t type) {
    for (RuneRecord& rune : runes) {
        if (rune.type == type) {
            rune.active = false;
            rune.ambientLoop = false;
        }
    }
}

void ClientNetwork::ForgetRuneLoops() {
    ++loopingSoundPauses;
    for (RuneRecord& rune : runes) {
        rune.ambientLoop = false;
    }
}

bool ClientNetwork::HandleRuneMessage(BitStream& stream, MessageID id) {
    const auto read = [&](auto& message) { return protocol::Read(stream, message) || Dropped(id); };
    switch (id) {
        case protocol::ID_RUNES_SPAWNED: {
            protocol::RunesSpawnedMessage message;
            if (read(message)) {
                for (const protocol::RunePlacement& rune : message.runes) {
                    AddRune(rune, true);
                }
                events.runesAppeared.Raise();
            }
            return true;
        }
        case protocol::ID_HEAL_RUNE_RESPAWNED: {
            protocol::HealRuneRespawnedMessage message;
            if (read(message)) {
                AddRune(message.rune, true);
            }
            return true;
        }
        case protocol::ID_RUNE_REMOVED: {
            protocol::RuneRemovedMessage message;
            if (read(message)) {
                TakeRune(message.type);
            }
            return true;
        }
        case protocol::ID_RUNE_STATE: {
            protocol::RuneStateMessage message;
            if (read(message)) {
                for (const protocol::RuneStateEntry& entry : message.runes) {
                    if (entry.present) {
                        AddRune(entry.rune, false);
                    }
                }
            }
            return true;
        }
        case protocol::ID_HEAL_RUNE_TAKEN: {
            protocol::HealRuneTakenMessage message;
            if (read(message)) {
                TakeRune(static_cast<std::int32_t>(protocol::RuneType::Heal));
            }
            return true;
        }
        case protocol::ID_SHIELD_RUNE_TAKEN: {
            protocol::ShieldRuneTakenMessage message;
            if (read(message)) {
                TakeRune(static_cast<std::int32_t>(protocol::RuneType::Shield));
                if (NetworkPlayer* record = RecordOf(message.player)) {
                    record->shield = 1.0f;
                }
            }
            return true;
        }
        case protocol::ID_INVISIBILITY_RUNE_TAKEN: {
            protocol::InvisibilityRuneTakenMessage message;
            if (read(message)) {
                TakeRune(static_cast<std::int32_t>(protocol::RuneType::Invisible));
                localPlayer.invisible = localPlayer.guid == message.player || MyGuid() == message.player;
                for (NetworkPlayer& player : remotePlayers) {
                    player.invisible = player.guid == message.player;
                }
            }
            return true;
        }
        default:
            return false;
    }
}
