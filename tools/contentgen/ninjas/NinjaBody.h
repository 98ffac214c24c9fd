// The body of a ninja in its rest pose, every part bound to the joint that carries it. The ninja atlas has
// four tiles: the clothing, the skin, steel and an accent (belt, wraps, trim).
#pragma once

#include "mesh/MeshBuilder.h"
#include "ninjas/NinjaRig.h"
#include "textures/Surface.h"

inline constexpr int kNinjaCloth = 0, kNinjaSkin = 1, kNinjaSteel = 2, kNinjaAccent = 3;

// build widens (above 1) or narrows the torso and limbs.
void AddNinjaBody(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize, float build);

// The ninja atlas: clothing of the given colour, skin, steel and the accent colour.
BakedTexture NinjaAtlas(const glm::vec3& cloth, const glm::vec3& accent, std::uint32_t seed);

// The right hand's grip in the rest pose, where the weapon is held.
glm::vec3 GripPosition(const NinjaRig& rig);

// Selects a tile of the ninja atlas and the joint for the following parts.
void UsePart(MeshBuilder& mesh, int atlasSize, int tile, int joint);
