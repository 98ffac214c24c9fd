#include "client/ui/LevelEmitterSetup.h"

#include "client/ui/ParticleEmitter.h"

namespace {
// Falling things drift this way: down, a little towards +x and -z.
constexpr glm::vec3 kDrift{0.15f, -1.0f, -0.25f};
constexpr glm::vec3 kUp{0.0f, 1.0f, 0.0f};
}  // namespace

std::optional<LevelEmitterLook> FindLevelEmitterLook(EmitterType type) {
    switch (type) {
        case EmitterType::BrazierFire:
            return LevelEmitterLook{ParticleType::FireParticles, kUp, {0.3f, 0.3f}};
        case EmitterType::Fireflies:
            return LevelEmitterLook{ParticleType::FireflyParticles, kDrift, {0.1f, 0.1f}};
        case EmitterType::BrazierSparks:
            return LevelEmitterLook{ParticleType::FireSparkParticles, kUp, {0.02f, 0.02f}};
        case EmitterType::TorchFire:
            return LevelEmitterLook{ParticleType::TorchFireParticles, kUp, {0.2f, 0.2f}};
        case EmitterType::Smoke:
        case EmitterType::WorldMist:
            return LevelEmitterLook{ParticleType::SmokeParticles, kUp, {3.0f, 3.0f}};
        case EmitterType::LeafTree:
            return LevelEmitterLook{ParticleType::GreenLeafParticles, kDrift, {0.15f, 0.15f}};
        case EmitterType::LeafSakura:
            return LevelEmitterLook{ParticleType::SakuraLeafParticles, kDrift, {0.14f, 0.14f}};
        case EmitterType::LeafAcerPalmatum:
            return LevelEmitterLook{ParticleType::AcerLeafParticles, kDrift, {0.15f, 0.15f}};
        case EmitterType::WorldDust:
            return LevelEmitterLook{ParticleType::WorldDustParticles, kDrift, {0.05f, 0.05f}};
    }
    return std::nullopt;
}

bool InitializeLevelEmitter(ParticleEmitter& emitter, const LevelEmitter& record) {
    const std::optional<LevelEmitterLook> look = FindLevelEmitterLook(record.type);
    if (!look) {
        return false;
    }
    const glm::vec3 position{record.position.x, record.position.y, record.position.z};
    if (!emitter.Initialize(position, look->direction, look->type, look->size.x, look->size.y)) {
        return false;
    }
    emitter.SetWind(kLevelWindAngle, kLevelWindStrength);
    emitter.SetEmitting(true);
    return true;
}
