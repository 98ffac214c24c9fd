// Ninja1: a balanced build in dark blue with a crimson headband, a katana in the right hand and its
// scabbard across the back.
#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "ninjas/NinjaBody.h"
#include "ninjas/NinjaModel.h"
#include "ninjas/Ninjas.h"

namespace {

NinjaProportions Proportions() {
    NinjaProportions p;
    p.weaponTip = {0.0f, -0.06f, -1.0f};
    return p;
}

void AddKatana(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize) {
    const glm::vec3 grip = GripPosition(rig);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.handR);
    AddTube(mesh, grip + glm::vec3(0.0f, 0.0f, 0.14f), grip + glm::vec3(0.0f, 0.0f, -0.1f), 0.02f, 0.021f, 8);
    UsePart(mesh, atlasSize, kNinjaSteel, rig.handR);
    mesh.SetPlacement(
        Place(grip + glm::vec3(0.0f, 0.0f, -0.11f), glm::quat(1, 0, 0, 0), {0.055f, 0.06f, 0.012f}));
    AddSphere(mesh, {0, 0, 0}, 1.0f, 10, 4);
    // The blade stands on its edge: the outline (height, length) is turned upright.
    mesh.SetPlacement(Place(grip, EulerRotation(0.0f, 0.0f, 1.5707963f)));
    AddPrism(mesh,
             {{-0.017f, -0.12f},
              {0.017f, -0.12f},
              {0.02f, -0.6f},
              {0.017f, -0.88f},
              {0.0f, -1.0f},
              {-0.014f, -0.9f},
              {-0.015f, -0.6f}},
             -0.005f, 0.005f);
    mesh.SetPlacement(glm::mat4(1.0f));
}

void AddHeadbandAndScabbard(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize) {
    const glm::vec3 head = rig.skeleton.BindPosition(rig.head) + glm::vec3(0.0f, 0.13f, 0.0f);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.head);
    mesh.SetPlacement(Place(head));
    AddFrustum(mesh, 0.128f, 0.124f, -0.025f, 0.025f, 14, false);
    mesh.SetPlacement(glm::mat4(1.0f));
    // Two tails of the headband flying back from the knot.
    for (const float side : {-1.0f, 1.0f}) {
        mesh.SetPlacement(
            Place(head + glm::vec3(side * 0.03f, -0.04f, 0.2f), EulerRotation(0.5f, side * 0.25f, 0.0f)));
        AddBox(mesh, {0, 0, 0}, {0.025f, 0.006f, 0.09f});
    }
    mesh.SetPlacement(glm::mat4(1.0f));
    // The scabbard slung diagonally across the back.
    const glm::vec3 chest = rig.skeleton.BindPosition(rig.chest);
    UsePart(mesh, atlasSize, kNinjaCloth, rig.chest);
    AddTube(mesh, chest + glm::vec3(0.25f, -0.25f, 0.17f), chest + glm::vec3(-0.22f, 0.42f, 0.17f), 0.03f,
            0.027f, 8);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.chest);
    AddTube(mesh, chest + glm::vec3(-0.17f, 0.35f, 0.17f), chest + glm::vec3(-0.27f, 0.5f, 0.17f), 0.022f,
            0.022f, 8);
}

NinjaStance Stance() {
    NinjaStance stance;
    UpperBody& guard = stance.guard;
    guard.spine = {-4.0f, 0.0f, 0.0f};
    guard.chest = {0.0f, 12.0f, 0.0f};
    guard.head = {0.0f, -12.0f, 0.0f};
    guard.right = ArmAim{{-0.25f, -0.8f, -0.45f}, {-0.1f, 0.0f, -1.0f}, {0.2f, 0.75f, -0.6f}};
    guard.left = ArmAim{{0.15f, -0.85f, -0.45f}, {-0.55f, 0.05f, -0.8f}, {}};
    UpperBody& run = stance.run;
    run.spine = {-12.0f, 0.0f, 0.0f};
    run.head = {10.0f, 0.0f, 0.0f};
    run.right = ArmAim{{-0.2f, -0.95f, 0.1f}, {-0.1f, -0.5f, -0.85f}, {-0.1f, -0.45f, 0.9f}};
    run.left = ArmAim{{0.2f, -0.95f, 0.05f}, {0.1f, -0.3f, -0.95f}, {}};
    stance.armSwing = 32.0f;
    stance.weaponSwing = 0.5f;
    return stance;
}

NinjaActions Actions(const NinjaRig& rig, const NinjaStance& stance) {
    const UpperBody& guard = stance.guard;
    NinjaActions actions;

    // A diagonal cut from high on the right down across to the left.
    UpperBody raised = guard;
    raised.spine = {0.0f, 0.0f, 0.0f};
    raised.chest = {4.0f, 35.0f, 0.0f};
    raised.head = {0.0f, -30.0f, 0.0f};
    raised.right = ArmAim{{-0.55f, 0.7f, 0.3f}, {-0.2f, 0.9f, 0.35f}, {-0.3f, 0.35f, 0.9f}};
    raised.left = ArmAim{{0.2f, -0.6f, -0.7f}, {-0.4f, 0.2f, -0.9f}, {}};
    UpperBody cut = guard;
    cut.spine = {-10.0f, 0.0f, 0.0f};
    cut.chest = {-8.0f, -35.0f, 0.0f};
    cut.head = {0.0f, 30.0f, 0.0f};
    cut.right = ArmAim{{0.2f, -0.2f, -0.95f}, {0.6f, -0.45f, -0.65f}, {0.85f, -0.45f, -0.3f}};
    cut.left = ArmAim{{0.5f, -0.8f, 0.2f}, {0.4f, -0.8f, 0.4f}, {}};
    UpperBody through = cut;
    through.chest = {-10.0f, -42.0f, 0.0f};
    through.right.weapon = {0.8f, -0.6f, 0.1f};
    actions.melee = UpperActionClip(
        "Melee", rig, 12, {{0.0f, guard}, {0.3f, raised}, {0.5f, cut}, {0.7f, through}, {1.0f, guard}});

    // A shuriken flicked from across the chest with the left hand.
    UpperBody cock = guard;
    cock.chest = {0.0f, 25.0f, 0.0f};
    cock.left = ArmAim{{-0.2f, -0.3f, -0.93f}, {-0.95f, 0.15f, -0.2f}, {}};
    UpperBody flick = guard;
    flick.chest = {-4.0f, -15.0f, 0.0f};
    flick.left = ArmAim{{0.35f, 0.05f, -0.93f}, {0.5f, 0.05f, -0.86f}, {}};
    actions.range =
        UpperActionClip("Range", rig, 8, {{0.0f, guard}, {0.3f, cock}, {0.6f, flick}, {1.0f, guard}});

    // The dash: bent low, blade and free arm swept back.
    UpperBody dash = guard;
    dash.spine = {-28.0f, 0.0f, 0.0f};
    dash.chest = {-10.0f, 0.0f, 0.0f};
    dash.head = {30.0f, 0.0f, 0.0f};
    dash.right = ArmAim{{-0.3f, -0.6f, 0.75f}, {-0.1f, -0.4f, 0.9f}, {-0.05f, -0.45f, 0.9f}};
    dash.left = ArmAim{{0.3f, -0.6f, 0.75f}, {0.1f, -0.5f, 0.85f}, {}};
    actions.spec1 =
        UpperActionClip("Spec1", rig, 10, {{0.0f, guard}, {0.2f, dash}, {0.8f, dash}, {1.0f, guard}});

    // The mega shuriken: both arms wind up overhead and hurl it forwards.
    UpperBody overhead = guard;
    overhead.spine = {8.0f, 0.0f, 0.0f};
    overhead.chest = {12.0f, 0.0f, 0.0f};
    overhead.head = {-10.0f, 0.0f, 0.0f};
    overhead.right = ArmAim{{-0.3f, 0.8f, 0.5f}, {0.1f, 0.6f, 0.8f}, {0.0f, -0.3f, 0.95f}};
    overhead.left = ArmAim{{0.3f, 0.8f, 0.5f}, {-0.1f, 0.6f, 0.8f}, {}};
    UpperBody hurl = guard;
    hurl.spine = {-15.0f, 0.0f, 0.0f};
    hurl.chest = {-15.0f, 0.0f, 0.0f};
    hurl.head = {20.0f, 0.0f, 0.0f};
    hurl.right = ArmAim{{-0.2f, 0.3f, -0.93f}, {0.0f, 0.0f, -1.0f}, {0.0f, 0.7f, -0.7f}};
    hurl.left = ArmAim{{0.2f, 0.3f, -0.93f}, {0.0f, 0.0f, -1.0f}, {}};
    actions.spec2 = UpperActionClip(
        "Spec2", rig, 12, {{0.0f, guard}, {0.4f, overhead}, {0.65f, hurl}, {0.85f, hurl}, {1.0f, guard}});
    return actions;
}

}  // namespace

ModelFileData BuildKatanaNinja() {
    const NinjaRig rig = BuildNinjaRig(Proportions());
    const BakedTexture atlas = NinjaAtlas({0.12f, 0.14f, 0.24f}, {0.65f, 0.1f, 0.1f}, 301);
    MeshBuilder mesh;
    AddNinjaBody(mesh, rig, atlas.size, 1.0f);
    AddKatana(mesh, rig, atlas.size);
    AddHeadbandAndScabbard(mesh, rig, atlas.size);
    const NinjaStance stance = Stance();
    return AssembleNinja("Ninja1", rig, mesh, atlas, stance, Actions(rig, stance));
}
