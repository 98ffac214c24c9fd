// The upper-body clips every ninja has, shaped by the ninja's stance. They turn the spine, the head, the
// arms and the weapon; the pelvis and the legs keep the identity rotation and every joint keeps its rest
// offset, because the game takes all offsets but the pelvis's from the upper-body clip.
#pragma once

#include "ninjas/NinjaRig.h"
#include "ninjas/UpperPoser.h"
#include "shared/ModelAnimation.h"

struct NinjaStance {
    UpperBody guard;           // standing ready
    UpperBody run;             // running forwards, before the arm swing
    float armSwing = 35.0f;    // degrees each arm swings about the shoulder while running
    float weaponSwing = 0.4f;  // the share of that swing the weapon arm takes
};

ModelAnimation IdleUpperClip(const NinjaRig& rig, const NinjaStance& stance);    // "IdleA"
ModelAnimation RunArmsClip(const NinjaRig& rig, const NinjaStance& stance);      // "RunA"
ModelAnimation RunArmsBackClip(const NinjaRig& rig, const NinjaStance& stance);  // "RunAB"
ModelAnimation DeadUpperClip(const NinjaRig& rig, const NinjaStance& stance);    // "DeadA"
ModelAnimation ToolClip(const NinjaRig& rig,
                        const NinjaStance& stance);  // "Tool": a throw with the left hand

// An action clip from upper-body keys (a one-shot of frames frames).
ModelAnimation UpperActionClip(const char* name, const NinjaRig& rig, int frames,
                               const std::vector<UpperKey>& keys);
