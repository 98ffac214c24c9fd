// Classifies an entity line of a level file by its name (field 0 without its delimiter).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shared/LevelRecords.h"

enum class LevelEntityKind {
    SpawnPoint,
    ShadowPointA,  // first end point of a shadow line
    ShadowPointB,  // second end point; completes a shadow line
    Emitter,
    Rune,
    StaticModel,
    AnimatedModel,
    Ignored,  // a shadow point with another role letter, or a rune of no known kind
};

struct LevelEntity {
    LevelEntityKind kind = LevelEntityKind::Ignored;
    std::int32_t team = 0;                         // SpawnPoint
    EmitterType emitterType = EmitterType::Smoke;  // Emitter
    RuneType runeType = RuneType::Heal;            // Rune
    std::string modelPath;                         // StaticModel, AnimatedModel
};

// Tests run on the name's base (the text before its last "_") in this order: "spawnPoint", "ShadowShapes",
// "ParticleEmitter", "POI", else a model.
LevelEntity ClassifyLevelEntity(std::string_view name);
