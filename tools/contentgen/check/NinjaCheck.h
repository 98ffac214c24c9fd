// Checks of a ninja model's clips: the sixteen names and the joints the game looks up, the whip chain,
// which joints each layer may turn, clip lengths that fit the abilities, and how the clips pose the body
// (standing height, feet on the ground, knees bending forwards, lying down once dead, the whip reaching out).
#pragma once

#include "check/Problems.h"
#include "check/SkinView.h"

// skin must be indexed and its joint trees checked alike.
void CheckNinja(const SkinView& skin, Problems& problems);
