// The trail every thrown weapon and trap of a match leaves behind it: the owner's team colour for the
// weapons and the caltrop bag, yellow for the smoke bomb and the sticky trap jar, one picture for all.
#pragma once

#include <memory>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "client/ui/Trail.h"

inline const glm::vec4 kRedTrailColour{0.31f, 0.0f, 0.03f, 1.0f};
inline const glm::vec4 kBlueTrailColour{0.0f, 0.07f, 0.41f, 1.0f};
inline const glm::vec4 kYellowTrailColour{0.83f, 0.86f, 0.06f, 1.0f};
inline constexpr const char* kEntityTrailTexture = "../Ombrin/2DTextures/Particles/Trail.png";

// Red for the red team, blue for any other team (an unknown owner included).
glm::vec4 TeamTrailColour(int team);

// A trail of the colour, emitting; null when it cannot be made, with failure composed in the engine's
// diagnostics (the entity then goes on without a trail).
std::unique_ptr<Trail> MakeEntityTrail(const glm::vec4& colour, const char* failure);

// The heading about y of a ground direction, as a trail samples it.
float HeadingOf(const glm::vec3& direction);
