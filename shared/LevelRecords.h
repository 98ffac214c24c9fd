// The records a level file describes. Positions and rotations are already converted to the game's
// left-handed coordinates (z negated; see LevelData for which rotation components are negated).
#pragma once

#include <cstdint>
#include <string>

#include "shared/Float3.h"

enum class EmitterType : std::int32_t {
    BrazierFire = 0,
    Fireflies = 1,
    BrazierSparks = 2,
    TorchFire = 3,
    Smoke = 4,  // also the type of an emitter whose name holds no known keyword
    LeafTree = 5,
    LeafSakura = 6,
    LeafAcerPalmatum = 7,
    WorldMist = 8,
    WorldDust = 9,
};

// The same values identify rune kinds on the wire and in both programs.
enum class RuneType : std::int32_t {
    Heal = 0,
    Invisible = 1,
    Shield = 2,
};

struct LevelSpawnPoint {
    std::int32_t team = 0;  // 0 when the entity name does not end in a digit
    Float3 position;
    Float3 rotation;

    friend bool operator==(const LevelSpawnPoint&, const LevelSpawnPoint&) = default;
};

// A point on the ground plane.
struct GroundPoint {
    float x = 0.0f;
    float z = 0.0f;

    friend bool operator==(const GroundPoint&, const GroundPoint&) = default;
};

// A wall segment that casts line-of-sight shadows.
struct LevelShadowLine {
    GroundPoint a;
    GroundPoint b;

    friend bool operator==(const LevelShadowLine&, const LevelShadowLine&) = default;
};

struct LevelEmitter {
    Float3 position;
    Float3 rotation;
    EmitterType type = EmitterType::Smoke;

    friend bool operator==(const LevelEmitter&, const LevelEmitter&) = default;
};

// A collision box, stored exactly as written in the file.
struct LevelBox {
    Float3 halfSizesZyx;  // fields 7, 8, 9: the half-sizes along z, y and x
    Float3 center;        // fields 1, 2, 3
    Float3 extra;         // fields 4, 5, 6, kept as written; no reader uses them

    friend bool operator==(const LevelBox&, const LevelBox&) = default;
};

// A placed model; path is the key of the model in the model library.
struct LevelModel {
    std::string path;
    Float3 position;
    Float3 rotation;

    friend bool operator==(const LevelModel&, const LevelModel&) = default;
};

struct LevelRune {
    Float3 position;
    Float3 rotation;
    RuneType type = RuneType::Heal;

    friend bool operator==(const LevelRune&, const LevelRune&) = default;
};
