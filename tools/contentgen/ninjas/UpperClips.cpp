#include "ninjas/UpperClips.h"

#include "ninjas/ClipCurves.h"
#include "ninjas/LowerClips.h"

namespace {

glm::vec3 TurnAboutX(const glm::vec3& direction, float degrees) {
    return glm::angleAxis(glm::radians(degrees), glm::vec3(1.0f, 0.0f, 0.0f)) * direction;
}

ArmAim Swing(const ArmAim& arm, float degrees) {
    return ArmAim{TurnAboutX(arm.upper, degrees), TurnAboutX(arm.fore, degrees * 1.2f),
                  glm::length(arm.weapon) > 0.0f ? TurnAboutX(arm.weapon, degrees) : arm.weapon};
}

}  // namespace

ModelAnimation UpperActionClip(const char* name, const NinjaRig& rig, int frames,
                               const std::vector<UpperKey>& keys) {
    return MakeAnimation(name, rig.skeleton, SampleOnce(rig.skeleton, frames, [&](float t, Pose& pose) {
                             PoseUpperBody(rig, pose, InterpolateUpper(keys, t));
                         }));
}

ModelAnimation IdleUpperClip(const NinjaRig& rig, const NinjaStance& stance) {
    // Breathing: the chest rises and the arms lift a little; now and then the head looks about.
    return MakeAnimation("IdleA", rig.skeleton, SampleLoop(rig.skeleton, 40, [&](float t, Pose& pose) {
                             UpperBody body = stance.guard;
                             const float breath = Cycle(t);
                             body.chest.x += 2.5f * breath;
                             body.head.y += 12.0f * Cycle(t + 0.1f) * Cycle(2.0f * t);
                             body.right = Swing(body.right, 2.0f * breath);
                             body.left = Swing(body.left, 3.0f * breath);
                             PoseUpperBody(rig, pose, body);
                         }));
}

ModelAnimation RunArmsClip(const NinjaRig& rig, const NinjaStance& stance) {
    // The arms swing against the legs (the right arm goes back while the right leg reaches forwards) and
    // the chest turns against the pelvis.
    return MakeAnimation("RunA", rig.skeleton, SampleLoop(rig.skeleton, kRunFrames, [&](float t, Pose& pose) {
                             UpperBody body = stance.run;
                             const float swing = stance.armSwing * Cycle(t);
                             body.right = Swing(body.right, -swing * stance.weaponSwing);
                             body.left = Swing(body.left, swing);
                             body.chest.y += 10.0f * Cycle(t);
                             body.head.y -= 8.0f * Cycle(t);
                             PoseUpperBody(rig, pose, body);
                         }));
}

ModelAnimation RunArmsBackClip(const NinjaRig& rig, const NinjaStance& stance) {
    // Running backwards or sideways: the guard held up, the arms only bobbing.
    return MakeAnimation("RunAB", rig.skeleton,
                         SampleLoop(rig.skeleton, kRunFrames, [&](float t, Pose& pose) {
                             UpperBody body = stance.guard;
                             const float swing = 10.0f * Cycle(t);
                             body.right = Swing(body.right, swing * stance.weaponSwing);
                             body.left = Swing(body.left, -swing);
                             body.spine.x += 3.0f;
                             body.chest.y += 4.0f * Cycle(t);
                             PoseUpperBody(rig, pose, body);
                         }));
}

ModelAnimation DeadUpperClip(const NinjaRig& rig, const NinjaStance& stance) {
    // Thrown back: the chest arches, the arms fly out and fall limp, the head rolls aside.
    UpperBody hit = stance.guard;
    hit.spine = {12.0f, 0.0f, 0.0f};
    hit.chest = {15.0f, -10.0f, 0.0f};
    hit.head = {25.0f, 0.0f, 10.0f};
    hit.right = ArmAim{{-0.7f, 0.2f, 0.6f}, {-0.7f, 0.5f, 0.4f}, {-0.9f, 0.3f, 0.3f}};
    hit.left = ArmAim{{0.7f, 0.2f, 0.6f}, {0.7f, 0.5f, 0.4f}, {}};
    UpperBody limp = hit;
    limp.spine = {4.0f, 0.0f, 0.0f};
    limp.chest = {6.0f, 0.0f, 0.0f};
    limp.head = {10.0f, 30.0f, 15.0f};
    limp.right = ArmAim{{-0.9f, -0.2f, 0.3f}, {-0.8f, -0.3f, -0.4f}, {-0.8f, -0.55f, 0.2f}};
    limp.left = ArmAim{{0.9f, -0.2f, 0.3f}, {0.8f, -0.2f, -0.5f}, {}};
    return UpperActionClip("DeadA", rig, 20, {{0.0f, stance.guard}, {0.3f, hit}, {1.0f, limp}});
}

ModelAnimation ToolClip(const NinjaRig& rig, const NinjaStance& stance) {
    UpperBody windUp = stance.guard;
    windUp.chest = {6.0f, -28.0f, 0.0f};
    windUp.head = {0.0f, 25.0f, 0.0f};
    windUp.left = ArmAim{{0.45f, 0.55f, 0.7f}, {-0.1f, 0.95f, 0.3f}, {}};
    UpperBody release = stance.guard;
    release.chest = {-6.0f, 18.0f, 0.0f};
    release.head = {0.0f, -18.0f, 0.0f};
    release.left = ArmAim{{0.1f, 0.45f, -0.9f}, {0.0f, 0.25f, -1.0f}, {}};
    UpperBody follow = stance.guard;
    follow.spine = {-10.0f, 0.0f, 0.0f};
    follow.chest = {-8.0f, 25.0f, 0.0f};
    follow.head = {5.0f, -25.0f, 0.0f};
    follow.left = ArmAim{{-0.25f, -0.35f, -0.9f}, {-0.4f, -0.6f, -0.7f}, {}};
    return UpperActionClip(
        "Tool", rig, 10,
        {{0.0f, stance.guard}, {0.35f, windUp}, {0.6f, release}, {0.8f, follow}, {1.0f, stance.guard}});
}
