#include "client/world/LevelAmbientSounds.h"

std::optional<SoundId> EmitterAmbientSound(EmitterType type) {
    switch (type) {
        case EmitterType::BrazierFire:
        case EmitterType::TorchFire:
            return SoundId::Fire;
        case EmitterType::WorldDust:
            return SoundId::Wind;
        default:
            return std::nullopt;
    }
}
