// The looping sounds a level binds to places: fire at braziers and torches, wind where the dust drifts, birds
// at the bird prop. The object manager keeps them as plain records of its own level; the sound code starts
// and stops them per manager, so that one state's level never silences another's.
#pragma once

#include <optional>

#include <glm/vec3.hpp>

#include "shared/LevelRecords.h"
#include "shared/SoundNumbers.h"

// The animated prop that sings.
inline constexpr const char* kBirdModelPath = "../Ombrin/Models/BigBirdShape.ZMD";

struct AmbientSoundRecord {
    SoundId sound = SoundId::Fire;
    glm::vec3 position{0.0f};

    friend bool operator==(const AmbientSoundRecord&, const AmbientSoundRecord&) = default;
};

// The sound a level emitter of this type plays where it stands, if any.
std::optional<SoundId> EmitterAmbientSound(EmitterType type);
