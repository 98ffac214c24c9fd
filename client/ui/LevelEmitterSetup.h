// What each kind of level emitter looks like as a particle effect: the particle kind, the direction and the
// particle size, and the wind every level emitter drifts with. Level emitters emit from the start; the
// rotation a level file gives them is not used.
#pragma once

#include <optional>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include "client/ui/ParticleType.h"
#include "shared/LevelRecords.h"

class ParticleEmitter;

struct LevelEmitterLook {
    ParticleType type = ParticleType::SmokeParticles;
    glm::vec3 direction{0.0f};
    glm::vec2 size{0.0f};
};

inline constexpr float kLevelWindAngle = 0.0f;  // degrees
inline constexpr float kLevelWindStrength = 50.0f;

// The look of a level emitter kind; none for a number that names no kind.
std::optional<LevelEmitterLook> FindLevelEmitterLook(EmitterType type);

// Sets emitter up at the record's position with its kind's look and the level wind, emitting. False when the
// kind is unknown or the emitter cannot be created.
bool InitializeLevelEmitter(ParticleEmitter& emitter, const LevelEmitter& record);
