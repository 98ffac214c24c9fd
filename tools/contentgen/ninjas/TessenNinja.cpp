// Ninja2: a slim build in purple with gold trim and a flared skirt, an iron fan in the right hand, a second
// fan at the belt and a chain whip in the left hand. The whip is the chain Surujin9 ... Surujin10; the
// game folds it away except during the whip lash and the whip sweep.
#include <cmath>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "models/ModelAssembly.h"
#include "ninjas/ClipCurves.h"
#include "ninjas/NinjaBody.h"
#include "ninjas/NinjaModel.h"
#include "ninjas/Ninjas.h"

namespace {

constexpr float kPi = 3.14159265359f;
constexpr int kChainLinks = 10;

NinjaProportions Proportions() {
    NinjaProportions p;
    p.spineLength = 0.38f;
    p.shoulderHalfWidth = 0.18f;
    p.upperArm = 0.29f;
    p.forearm = 0.26f;
    p.hipHalfWidth = 0.105f;
    p.weaponTip = {0.0f, -0.06f, -0.4f};
    p.chainLinks = kChainLinks;
    p.chainLink = 0.7f;
    return p;
}

// An open fan pivoting at the grip, its ribs spread in the upright plane, its middle rib along -z.
void AddOpenFan(MeshBuilder& mesh, const glm::vec3& pivot, float radius, int atlasSize) {
    std::vector<glm::vec2> outline{{0.0f, 0.03f}};
    constexpr int kArc = 8;
    for (int i = 0; i <= kArc; ++i) {
        const float a = -1.2f + 2.4f * static_cast<float>(i) / kArc;
        outline.emplace_back(radius * std::sin(a), -radius * std::cos(a));
    }
    const glm::mat4 upright = Place(pivot, EulerRotation(0.0f, 0.0f, kPi / 2));
    mesh.SetUvMapping(AtlasTile(kNinjaCloth, atlasSize));
    mesh.SetPlacement(upright);
    AddPrism(mesh, outline, -0.006f, 0.006f);
    mesh.SetUvMapping(AtlasTile(kNinjaSteel, atlasSize));
    for (int i = 0; i <= kArc; i += 2) {
        const float a = -1.2f + 2.4f * static_cast<float>(i) / kArc;
        AddTube(mesh, {0.0f, 0.0f, 0.03f},
                {1.02f * radius * std::sin(a), 0.0f, -1.02f * radius * std::cos(a)}, 0.009f, 0.007f, 4);
    }
    mesh.SetPlacement(glm::mat4(1.0f));
}

void AddWeapons(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize) {
    UsePart(mesh, atlasSize, kNinjaSteel, rig.handR);
    AddOpenFan(mesh, GripPosition(rig), 0.4f, atlasSize);
    // The closed second fan tucked into the belt at the back.
    const glm::vec3 belt = rig.skeleton.BindPosition(rig.spine);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.spine);
    mesh.SetPlacement(Place(belt + glm::vec3(0.08f, 0.02f, 0.14f), EulerRotation(0.0f, 0.0f, 0.5f)));
    AddBox(mesh, {0, 0, 0}, {0.02f, 0.16f, 0.012f});
    mesh.SetPlacement(glm::mat4(1.0f));
    // The whip's grip stays in the left hand; the chain is bound only to its own joints.
    const glm::vec3 handL = rig.skeleton.BindPosition(rig.handL);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.handL);
    AddTube(mesh, handL + glm::vec3(0.0f, 0.02f, 0.0f), handL + glm::vec3(0.0f, -0.1f, 0.0f), 0.02f, 0.02f,
            6);
    for (std::size_t i = 0; i < rig.chain.size(); ++i) {
        const int joint = rig.chain[i];
        const glm::vec3 from = rig.skeleton.BindPosition(joint);
        UsePart(mesh, atlasSize, kNinjaSteel, joint);
        if (i + 1 < rig.chain.size()) {
            AddTube(mesh, from, rig.skeleton.BindPosition(rig.chain[i + 1]), 0.018f, 0.018f, 5, false);
            AddSphere(mesh, from, 0.026f, 6, 4);
        } else {
            AddSphere(mesh, from, 0.075f, 10, 6);  // the weight at the tip
        }
    }
}

void AddHairAndSkirt(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize) {
    const glm::vec3 head = rig.skeleton.BindPosition(rig.head) + glm::vec3(0.0f, 0.1f, 0.0f);
    UsePart(mesh, atlasSize, kNinjaCloth, rig.head);
    AddSphere(mesh, head + glm::vec3(0.0f, 0.1f, 0.1f), 0.07f, 10, 6);
    AddTube(mesh, head + glm::vec3(0.0f, 0.08f, 0.15f), head + glm::vec3(0.0f, -0.55f, 0.24f), 0.05f, 0.015f,
            8);
    UsePart(mesh, atlasSize, kNinjaAccent, rig.head);
    AddTube(mesh, head + glm::vec3(-0.09f, 0.12f, 0.1f), head + glm::vec3(0.11f, 0.16f, 0.1f), 0.008f, 0.008f,
            5);
    // The flared skirt over the hips.
    const glm::vec3 hip = rig.skeleton.BindPosition(rig.hip);
    UsePart(mesh, atlasSize, kNinjaCloth, rig.hip);
    mesh.SetPlacement(Place(hip, glm::quat(1, 0, 0, 0), {1.0f, 1.0f, 0.85f}));
    AddFrustum(mesh, 0.3f, 0.19f, -0.42f, 0.02f, 14, false);
    mesh.SetPlacement(glm::mat4(1.0f));
    UsePart(mesh, atlasSize, kNinjaAccent, rig.hip);
    mesh.SetPlacement(Place(hip, glm::quat(1, 0, 0, 0), {1.0f, 1.0f, 0.85f}));
    AddFrustum(mesh, 0.305f, 0.305f, -0.44f, -0.40f, 14, false);
    mesh.SetPlacement(glm::mat4(1.0f));
}

NinjaStance Stance() {
    NinjaStance stance;
    UpperBody& guard = stance.guard;
    guard.spine = {-3.0f, 0.0f, 0.0f};
    guard.chest = {0.0f, 8.0f, 0.0f};
    guard.head = {0.0f, -8.0f, 0.0f};
    guard.right = ArmAim{{-0.35f, -0.75f, -0.55f}, {-0.1f, 0.3f, -0.95f}, {0.1f, 0.55f, -0.83f}};
    guard.left = ArmAim{{0.3f, -0.85f, -0.4f}, {0.2f, -0.3f, -0.93f}, {}};
    UpperBody& run = stance.run;
    run.spine = {-10.0f, 0.0f, 0.0f};
    run.head = {8.0f, 0.0f, 0.0f};
    run.right = ArmAim{{-0.25f, -0.95f, 0.1f}, {-0.1f, -0.4f, -0.9f}, {0.0f, -0.2f, -0.98f}};
    run.left = ArmAim{{0.25f, -0.95f, 0.1f}, {0.1f, -0.4f, -0.9f}, {}};
    stance.armSwing = 38.0f;
    stance.weaponSwing = 0.8f;
    return stance;
}

// Aims the chain link by link along directions in model space.
void AimChain(const NinjaRig& rig, Pose& pose, const std::vector<glm::vec3>& directions) {
    for (std::size_t i = 0; i + 1 < rig.chain.size() && i < directions.size(); ++i) {
        AimJoint(rig.skeleton, pose, rig.chain[i], rig.chain[i + 1], directions[i]);
    }
}

ModelAnimation WhipLashClip(const NinjaRig& rig, const UpperBody& guard) {
    // The arm rises and snaps forwards; the chain follows from the hand to the tip, uncurling from behind
    // the shoulder until it lies straight out ahead.
    UpperBody raised = guard;
    raised.chest = {4.0f, -15.0f, 0.0f};
    raised.left = ArmAim{{0.3f, 0.9f, 0.3f}, {0.1f, 0.7f, 0.7f}, {}};
    UpperBody snap = guard;
    snap.spine = {-8.0f, 0.0f, 0.0f};
    snap.chest = {-6.0f, 15.0f, 0.0f};
    snap.left = ArmAim{{0.2f, 0.3f, -0.93f}, {0.05f, 0.1f, -1.0f}, {}};
    UpperBody out = snap;
    out.left = ArmAim{{0.2f, 0.0f, -0.98f}, {0.05f, -0.05f, -1.0f}, {}};
    const std::vector<UpperKey> keys = {
        {0.0f, guard}, {0.3f, raised}, {0.55f, snap}, {0.8f, out}, {1.0f, out}};
    return MakeAnimation(
        "Range", rig.skeleton, SampleOnce(rig.skeleton, 8, [&](float t, Pose& pose) {
            PoseUpperBody(rig, pose, InterpolateUpper(keys, t));
            std::vector<glm::vec3> directions;
            for (int k = 0; k < kChainLinks; ++k) {
                const float local = t - 0.03f * static_cast<float>(k);
                const float lift = glm::radians(160.0f - 166.0f * SmoothStep01((local - 0.25f) / 0.5f));
                directions.push_back(ChestToModel(rig, pose, {0.0f, std::sin(lift), -std::cos(lift)}));
            }
            AimChain(rig, pose, directions);
        }));
}

ModelAnimation WhipSweepClip(const NinjaRig& rig, const UpperBody& guard) {
    // The arm goes up and the chain whirls round the head in a wide circle, then drops.
    UpperBody up = guard;
    up.chest = {6.0f, 0.0f, 0.0f};
    up.head = {-8.0f, 0.0f, 0.0f};
    up.left = ArmAim{{0.35f, 0.9f, -0.2f}, {0.1f, 0.98f, -0.1f}, {}};
    const std::vector<UpperKey> keys = {{0.0f, guard}, {0.15f, up}, {0.85f, up}, {1.0f, guard}};
    return MakeAnimation(
        "Spec2", rig.skeleton, SampleOnce(rig.skeleton, 16, [&](float t, Pose& pose) {
            UpperBody body = InterpolateUpper(keys, t);
            const float turn = 2.0f * kPi * 1.25f * t;
            body.chest.y += 12.0f * std::sin(turn);
            PoseUpperBody(rig, pose, body);
            // Out from hanging to level at the start, back down at the end.
            const float level = SmoothStep01(t / 0.2f) * (1.0f - SmoothStep01((t - 0.85f) / 0.15f));
            std::vector<glm::vec3> directions;
            for (int k = 0; k < kChainLinks; ++k) {
                const float angle = turn - 0.12f * static_cast<float>(k);
                const glm::vec3 around(std::sin(angle), -0.12f, -std::cos(angle));
                directions.push_back(glm::normalize(glm::mix(glm::vec3(0.0f, -1.0f, 0.0f), around, level) +
                                                    glm::vec3(0.0f, 0.0f, -0.01f)));
            }
            AimChain(rig, pose, directions);
        }));
}

NinjaActions Actions(const NinjaRig& rig, const NinjaStance& stance) {
    const UpperBody& guard = stance.guard;
    NinjaActions actions;

    // The fan swept in a flat arc from the right across the front.
    UpperBody open = guard;
    open.chest = {0.0f, 30.0f, 0.0f};
    open.head = {0.0f, -25.0f, 0.0f};
    open.right = ArmAim{{-0.9f, 0.0f, 0.2f}, {-0.8f, 0.2f, -0.55f}, {-0.5f, 0.2f, -0.85f}};
    UpperBody sweep = guard;
    sweep.chest = {-4.0f, -30.0f, 0.0f};
    sweep.head = {0.0f, 25.0f, 0.0f};
    sweep.right = ArmAim{{0.3f, -0.05f, -0.95f}, {0.75f, 0.0f, -0.65f}, {0.9f, 0.1f, -0.4f}};
    actions.melee =
        UpperActionClip("Melee", rig, 9, {{0.0f, guard}, {0.25f, open}, {0.6f, sweep}, {1.0f, guard}});

    actions.range = WhipLashClip(rig, guard);

    // The fan thrown side-arm like a boomerang.
    UpperBody back = guard;
    back.chest = {0.0f, 35.0f, 0.0f};
    back.head = {0.0f, -30.0f, 0.0f};
    back.right = ArmAim{{-0.85f, 0.1f, 0.5f}, {-0.5f, 0.2f, 0.85f}, {-0.2f, 0.3f, 0.93f}};
    UpperBody release = guard;
    release.chest = {-4.0f, -25.0f, 0.0f};
    release.head = {0.0f, 20.0f, 0.0f};
    release.right = ArmAim{{0.1f, 0.0f, -1.0f}, {0.3f, 0.0f, -0.95f}, {0.5f, 0.1f, -0.85f}};
    UpperBody follow = release;
    follow.right = ArmAim{{0.5f, -0.2f, -0.85f}, {0.7f, -0.2f, -0.6f}, {0.8f, -0.1f, -0.5f}};
    actions.spec1 = UpperActionClip(
        "Spec1", rig, 10, {{0.0f, guard}, {0.35f, back}, {0.6f, release}, {0.8f, follow}, {1.0f, guard}});

    actions.spec2 = WhipSweepClip(rig, guard);
    return actions;
}

}  // namespace

ModelFileData BuildTessenNinja() {
    const NinjaRig rig = BuildNinjaRig(Proportions());
    const BakedTexture atlas = NinjaAtlas({0.32f, 0.12f, 0.36f}, {0.8f, 0.62f, 0.25f}, 311);
    MeshBuilder mesh;
    AddNinjaBody(mesh, rig, atlas.size, 0.9f);
    AddWeapons(mesh, rig, atlas.size);
    AddHairAndSkirt(mesh, rig, atlas.size);
    const NinjaStance stance = Stance();
    return AssembleNinja("Ninja2", rig, mesh, atlas, stance, Actions(rig, stance));
}
