// Puts a ninja model together: the sixteen clips in the game's slot order (RunF, RunA, RunB, RunAB, RunL,
// RunR, IdleL, IdleA, DeadL, DeadA, Melee, Range, Tool, Spec1, Spec2, Turn) and the body box.
#pragma once

#include <string>

#include "mesh/MeshBuilder.h"
#include "ninjas/NinjaRig.h"
#include "ninjas/UpperClips.h"
#include "shared/ModelFileData.h"
#include "textures/Surface.h"

// The four clips of a ninja's abilities.
struct NinjaActions {
    ModelAnimation melee;  // "Melee"
    ModelAnimation range;  // "Range"
    ModelAnimation spec1;  // "Spec1"
    ModelAnimation spec2;  // "Spec2"
};

ModelFileData AssembleNinja(const std::string& name, const NinjaRig& rig, const MeshBuilder& mesh,
                            const BakedTexture& atlas, const NinjaStance& stance, NinjaActions actions);
