// Ninja3: a broad build in olive with leather shoulder guards and a wide straw hat, holding a naginata
// that reaches far ahead.
#include <cmath>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "ninjas/ClipCurves.h"
#include "ninjas/NinjaBody.h"
#include "ninjas/NinjaModel.h"
#include "ninjas/Ninjas.h"

namespace {

NinjaProportions Proportions() {
    NinjaProportions p;
    p.hipHeight = 1.02f;
    p.spineLength = 0.42f;
    p.shoulderHalfWidth = 0.23f;
    p.upperArm = 0.31f;
    p.forearm = 0.28f;
    p.thigh = 0.46f;
    p.shin = 0.43f;
    p.hipHalfWidth = 0.12f;
    p.weaponTip = {0.0f, -0.06f, -1.95f};
    return p;
}

void AddNaginata(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize) {
    const glm::vec3 grip = GripPosition(rig);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.handR);
    AddTube(mesh, grip + glm::vec3(0.0f, 0.0f, 0.85f), grip + glm::vec3(0.0f, 0.0f, -1.4f), 0.024f, 0.022f,
            8);
    UsePart(mesh, atlasSize, kNinjaSteel, rig.handR);
    AddSphere(mesh, grip + glm::vec3(0.0f, 0.0f, 0.87f), 0.03f, 8, 5);
    AddTube(mesh, grip + glm::vec3(0.0f, 0.0f, -1.36f), grip + glm::vec3(0.0f, 0.0f, -1.44f), 0.032f, 0.032f,
            8);
    // A curved blade standing on its edge.
    mesh.SetPlacement(Place(grip, EulerRotation(0.0f, 0.0f, 1.5707963f)));
    AddPrism(mesh,
             {{-0.02f, -1.42f},
              {0.035f, -1.42f},
              {0.045f, -1.6f},
              {0.03f, -1.8f},
              {0.0f, -1.95f},
              {-0.02f, -1.75f},
              {-0.022f, -1.55f}},
             -0.006f, 0.006f);
    mesh.SetPlacement(glm::mat4(1.0f));
}

void AddHatAndGuards(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize) {
    const glm::vec3 head = rig.skeleton.BindPosition(rig.head) + glm::vec3(0.0f, 0.1f, 0.0f);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.head);
    mesh.SetPlacement(Place(head));
    AddFrustum(mesh, 0.48f, 0.0f, 0.08f, 0.3f, 16);
    mesh.SetPlacement(glm::mat4(1.0f));
    for (const bool right : {true, false}) {
        const int shoulder = right ? rig.shoulderR : rig.shoulderL;
        const float side = right ? -1.0f : 1.0f;
        UsePart(mesh, atlasSize, kNinjaAccent, shoulder);
        mesh.SetPlacement(Place(rig.skeleton.BindPosition(shoulder) + glm::vec3(side * 0.03f, -0.02f, 0.0f),
                                EulerRotation(0.0f, 0.0f, side * -0.35f)));
        AddBox(mesh, {0, 0, 0}, {0.11f, 0.03f, 0.12f});
        AddBox(mesh, {side * 0.03f, -0.07f, 0.0f}, {0.1f, 0.025f, 0.115f});
        mesh.SetPlacement(glm::mat4(1.0f));
    }
}

NinjaStance Stance() {
    NinjaStance stance;
    UpperBody& guard = stance.guard;
    guard.spine = {-5.0f, 0.0f, 0.0f};
    guard.chest = {0.0f, 15.0f, 0.0f};
    guard.head = {0.0f, -15.0f, 0.0f};
    guard.right = ArmAim{{-0.3f, -0.85f, -0.4f}, {-0.05f, -0.1f, -0.99f}, {0.05f, 0.45f, -0.89f}};
    guard.left = ArmAim{{0.1f, -0.7f, -0.7f}, {-0.35f, 0.25f, -0.9f}, {}};
    UpperBody& run = stance.run;
    run.spine = {-10.0f, 0.0f, 0.0f};
    run.head = {8.0f, 0.0f, 0.0f};
    run.right = ArmAim{{-0.3f, -0.95f, 0.05f}, {-0.05f, -0.3f, -0.95f}, {0.0f, 0.15f, -0.99f}};
    run.left = ArmAim{{0.25f, -0.95f, 0.05f}, {0.1f, -0.35f, -0.93f}, {}};
    stance.armSwing = 25.0f;
    stance.weaponSwing = 0.15f;
    return stance;
}

NinjaActions Actions(const NinjaRig& rig, const NinjaStance& stance) {
    const UpperBody& guard = stance.guard;
    NinjaActions actions;

    // A flat slash with the blade from the right across to the left.
    UpperBody wind = guard;
    wind.chest = {0.0f, 40.0f, 0.0f};
    wind.head = {0.0f, -35.0f, 0.0f};
    wind.right = ArmAim{{-0.8f, -0.3f, 0.5f}, {-0.6f, 0.0f, -0.8f}, {-0.7f, 0.1f, -0.7f}};
    wind.left = ArmAim{{-0.2f, -0.6f, -0.75f}, {-0.8f, 0.0f, -0.55f}, {}};
    UpperBody slash = guard;
    slash.chest = {-5.0f, -40.0f, 0.0f};
    slash.head = {0.0f, 35.0f, 0.0f};
    slash.right = ArmAim{{0.2f, -0.4f, -0.9f}, {0.5f, -0.1f, -0.85f}, {0.85f, 0.0f, -0.5f}};
    slash.left = ArmAim{{0.5f, -0.6f, 0.3f}, {0.6f, -0.4f, 0.6f}, {}};
    actions.melee =
        UpperActionClip("Melee", rig, 9, {{0.0f, guard}, {0.3f, wind}, {0.65f, slash}, {1.0f, guard}});

    // A kunai thrown overhand with the left hand while the spear stays on guard.
    UpperBody cock = guard;
    cock.chest = {0.0f, -20.0f, 0.0f};
    cock.left = ArmAim{{0.4f, 0.6f, 0.7f}, {0.0f, 0.95f, 0.3f}, {}};
    UpperBody loose = guard;
    loose.chest = {-5.0f, 15.0f, 0.0f};
    loose.left = ArmAim{{0.15f, 0.3f, -0.95f}, {0.05f, 0.1f, -1.0f}, {}};
    actions.range =
        UpperActionClip("Range", rig, 8, {{0.0f, guard}, {0.35f, cock}, {0.6f, loose}, {1.0f, guard}});

    // A flurry of five thrusts over a second and a half.
    UpperBody drawn = guard;
    drawn.spine = {-10.0f, 0.0f, 0.0f};
    drawn.chest = {0.0f, 10.0f, 0.0f};
    drawn.right = ArmAim{{-0.3f, -0.75f, 0.55f}, {-0.05f, 0.1f, -0.99f}, {0.02f, 0.25f, -0.97f}};
    drawn.left = ArmAim{{0.1f, -0.6f, -0.8f}, {-0.35f, 0.0f, -0.94f}, {}};
    UpperBody thrust = drawn;
    thrust.spine = {-20.0f, 0.0f, 0.0f};
    thrust.chest = {-4.0f, -5.0f, 0.0f};
    thrust.right = ArmAim{{-0.2f, -0.1f, -0.98f}, {-0.05f, 0.15f, -0.99f}, {0.02f, 0.38f, -0.92f}};
    thrust.left = ArmAim{{0.05f, -0.2f, -0.98f}, {-0.35f, 0.0f, -0.94f}, {}};
    actions.spec1 = MakeAnimation(
        "Spec1", rig.skeleton, SampleOnce(rig.skeleton, 30, [&](float t, Pose& pose) {
            const float beat = 0.5f - 0.5f * std::cos(2.0f * 3.14159265f * 5.0f * t);
            const float envelope = SmoothStep01(t / 0.08f) * (1.0f - SmoothStep01((t - 0.9f) / 0.1f));
            PoseUpperBody(rig, pose, Blend(guard, Blend(drawn, thrust, beat), envelope));
        }));

    // The volley: the left arm sweeps out across the front, loosing a fan of kunai.
    UpperBody across = guard;
    across.spine = {8.0f, 0.0f, 0.0f};
    across.chest = {8.0f, 35.0f, 0.0f};
    across.left = ArmAim{{-0.3f, 0.2f, -0.93f}, {-0.9f, 0.2f, -0.35f}, {}};
    across.right = ArmAim{{-0.3f, -0.8f, 0.5f}, {-0.1f, -0.5f, 0.85f}, {0.0f, 0.6f, 0.8f}};
    UpperBody fan = across;
    fan.spine = {-5.0f, 0.0f, 0.0f};
    fan.chest = {-5.0f, -30.0f, 0.0f};
    fan.left = ArmAim{{0.6f, 0.25f, -0.75f}, {0.95f, 0.2f, -0.25f}, {}};
    actions.spec2 = UpperActionClip(
        "Spec2", rig, 14, {{0.0f, guard}, {0.35f, across}, {0.6f, fan}, {0.8f, fan}, {1.0f, guard}});
    return actions;
}

}  // namespace

ModelFileData BuildNaginataNinja() {
    const NinjaRig rig = BuildNinjaRig(Proportions());
    const BakedTexture atlas = NinjaAtlas({0.22f, 0.26f, 0.15f}, {0.62f, 0.5f, 0.28f}, 321);
    MeshBuilder mesh;
    AddNinjaBody(mesh, rig, atlas.size, 1.12f);
    AddNaginata(mesh, rig, atlas.size);
    AddHatAndGuards(mesh, rig, atlas.size);
    const NinjaStance stance = Stance();
    return AssembleNinja("Ninja3", rig, mesh, atlas, stance, Actions(rig, stance));
}
