// The animated level prop: a big grey heron standing still, with two clips the level plays together:
// animation 0 ("Wings", the lower layer) folds, opens and beats the wings; animation 1 ("Look", the upper
// layer) carries the rest offsets and turns the neck, head and tail. The two drive different joints.
#pragma once

#include "shared/ModelFileData.h"

ModelFileData BuildBigBird();
