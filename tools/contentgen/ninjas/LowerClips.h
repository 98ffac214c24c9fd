// The lower-body clips every ninja shares. They turn only the pelvis ("Hip") and the legs, and move the
// pelvis; every other joint keeps the identity rotation so that the upper-body clip alone drives it.
// The pelvis height is set so that the lowest sole point touches the ground.
#pragma once

#include "ninjas/NinjaRig.h"
#include "shared/ModelAnimation.h"

// Frames of the walking cycles; the upper-body running clips use the same count so that arms and legs
// keep step.
inline constexpr int kRunFrames = 16;

ModelAnimation RunForwardClip(const NinjaRig& rig);   // "RunF"
ModelAnimation RunBackwardClip(const NinjaRig& rig);  // "RunB"
ModelAnimation RunLeftClip(const NinjaRig& rig);      // "RunL": stepping towards the ninja's left (+x)
ModelAnimation RunRightClip(const NinjaRig& rig);     // "RunR": stepping towards the ninja's right (-x)
ModelAnimation IdleLowerClip(const NinjaRig& rig);    // "IdleL"
ModelAnimation DeadLowerClip(const NinjaRig& rig);    // "DeadL": falling onto the back, ends lying
ModelAnimation TurnClip(const NinjaRig& rig);         // "Turn": stepping on the spot

// Moves the pelvis up or down so that the lowest point of either sole is at height lift.
void PlantFeet(const NinjaRig& rig, Pose& pose, float lift = 0.0f);
