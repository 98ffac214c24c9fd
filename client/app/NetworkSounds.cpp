#include "client/app/NetworkSounds.h"

#include <algorithm>

#include "client/net/ClientNetwork.h"
#include "client/ui/SoundSystem.h"
#include "protocol/MessageIds.h"
#include "shared/SoundNumbers.h"

namespace {

constexpr int kAnyRune = -1;

// The rune type whose ambient loop the sound is, or -1.
int RuneTypeOfLoop(int number) {
    switch (static_cast<SoundId>(number)) {
        case SoundId::RuneHeal:
            return static_cast<int>(protocol::RuneType::Heal);
        case SoundId::RuneInvisibility:
            return static_cast<int>(protocol::RuneType::Invisible);
        case SoundId::RuneShield:
            return static_cast<int>(protocol::RuneType::Shield);
        default:
            return -1;
    }
}

enum class LoopFate { Play, Pause, Stop };

// A loop plays while a rune of its type keeps its loop, pauses while its rune is there but taken, and stops
// once no rune of its type is left (a round start, a reset of the connection's records).
LoopFate FateOf(const ClientNetwork& network, int runeType) {
    LoopFate fate = LoopFate::Stop;
    for (const RuneRecord& rune : network.runes) {
        if (rune.type == runeType) {
            if (rune.ambientLoop) {
                return LoopFate::Play;
            }
            fate = LoopFate::Pause;
        }
    }
    return fate;
}

}  // namespace

void NetworkSounds::StopRuneLoops(SoundSystem& sound, bool pausedOnly, int runeType) {
    std::erase_if(m_runeLoops, [&](const RuneLoop& loop) {
        if (runeType != kAnyRune && loop.runeType != runeType) {
            return false;
        }
        if (pausedOnly && sound.GetSoundState(loop.sound) == SoundState::Playing) {
            return false;
        }
        sound.StopSound(loop.sound);
        return true;
    });
}

void NetworkSounds::Play(ClientNetwork& network, SoundSystem& sound) {
    // Round starts and new levels count up (a new level keeps the runes' records); a reset sets it back to 0.
    if (network.loopingSoundPauses != m_loopPausesSeen) {
        m_loopPausesSeen = network.loopingSoundPauses;
        StopRuneLoops(sound, false, kAnyRune);
    }
    for (const SoundEvent& event : network.events.soundEvents.Take()) {
        const int runeType = RuneTypeOfLoop(event.sound);
        if (runeType >= 0) {
            StopRuneLoops(sound, true, runeType);
        }
        const SoundHandle played =
            sound.PlaySound(event.sound, glm::vec3(event.position.x, event.position.y, event.position.z));
        if (runeType >= 0 && played) {
            m_runeLoops.push_back(RuneLoop{runeType, played});
        }
    }
    std::erase_if(m_runeLoops, [&](const RuneLoop& loop) {
        switch (FateOf(network, loop.runeType)) {
            case LoopFate::Play:
                break;
            case LoopFate::Pause:
                sound.PauseSound(loop.sound, true);
                break;
            case LoopFate::Stop:
                sound.StopSound(loop.sound);
                break;
        }
        return sound.GetSoundState(loop.sound) == SoundState::Gone;
    });
}
