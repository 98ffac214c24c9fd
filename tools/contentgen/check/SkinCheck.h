// Checks of a skinned model: its skeleton, weights and bind matrices; ninjas also get the clip checks of
// NinjaCheck, level props the check that their two layers drive different joints.
#pragma once

#include <string>

#include "check/ContentRules.h"
#include "check/InspectedModel.h"
#include "check/Problems.h"
#include "check/SkinView.h"

void CheckSkin(const std::string& fileName, const InspectedModel& model, const ModelRule& rule,
               Problems& problems);

// The inverse bind matrices undo the bind pose the reference frame describes (every rotation at rest,
// offsets and orientations from the frame). The whole skeleton may stand shifted by where the pelvis rests.
void CheckBindPose(const SkinView& skin, const JointNode& reference, Problems& problems);
