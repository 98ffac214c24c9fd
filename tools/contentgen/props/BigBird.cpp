#include "props/BigBird.h"

#include <cmath>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "models/ModelAssembly.h"
#include "ninjas/ClipCurves.h"
#include "ninjas/Skeleton.h"
#include "textures/Materials.h"

namespace {

struct BirdRig {
    Skeleton skeleton;
    int body = -1, neck = -1, head = -1, wingR = -1, tipR = -1, wingL = -1, tipL = -1, tail = -1, legR = -1,
        legL = -1;
};

BirdRig BuildRig() {
    BirdRig rig;
    Skeleton& s = rig.skeleton;
    rig.body = s.Add("Body", -1, {0.0f, 1.25f, 0.0f});
    rig.neck = s.Add("Neck", rig.body, {0.0f, 0.15f, -0.28f});
    rig.head = s.Add("Head", rig.neck, {0.0f, 0.55f, -0.05f});
    rig.wingR = s.Add("WingR", rig.body, {-0.24f, 0.1f, -0.12f});
    rig.tipR = s.Add("WingTipR", rig.wingR, {0.0f, -0.04f, 0.55f});
    rig.wingL = s.Add("WingL", rig.body, {0.24f, 0.1f, -0.12f});
    rig.tipL = s.Add("WingTipL", rig.wingL, {0.0f, -0.04f, 0.55f});
    rig.tail = s.Add("Tail", rig.body, {0.0f, 0.0f, 0.4f});
    rig.legR = s.Add("BirdLegR", rig.body, {-0.1f, -0.12f, 0.0f});
    rig.legL = s.Add("BirdLegL", rig.body, {0.1f, -0.12f, 0.0f});
    return rig;
}

constexpr int kGrey = 0, kWhite = 1, kDark = 2, kBeak = 3;

void Part(MeshBuilder& mesh, int atlasSize, int tile, int joint) {
    mesh.SetUvMapping(AtlasTile(tile, atlasSize));
    mesh.SetJoint(joint);
}

void Ellipsoid(MeshBuilder& mesh, const glm::vec3& center, const glm::vec3& radii,
               const glm::quat& turn = {1, 0, 0, 0}) {
    mesh.SetPlacement(Place(center, turn, radii));
    AddSphere(mesh, {0, 0, 0}, 1.0f, 12, 8);
    mesh.SetPlacement(glm::mat4(1.0f));
}

MeshBuilder BirdMesh(const BirdRig& rig, int atlasSize) {
    const Skeleton& s = rig.skeleton;
    const auto at = [&](int joint) { return s.BindPosition(joint); };
    MeshBuilder mesh;
    Part(mesh, atlasSize, kGrey, rig.body);
    Ellipsoid(mesh, at(rig.body) + glm::vec3(0.0f, 0.02f, 0.05f), {0.28f, 0.27f, 0.5f}, Degrees(-12.0f));
    Part(mesh, atlasSize, kWhite, rig.neck);
    AddTube(mesh, at(rig.neck) + glm::vec3(0.0f, -0.05f, 0.03f), at(rig.head), 0.09f, 0.06f, 8);
    Part(mesh, atlasSize, kWhite, rig.head);
    Ellipsoid(mesh, at(rig.head) + glm::vec3(0.0f, 0.04f, 0.0f), {0.1f, 0.1f, 0.13f});
    Part(mesh, atlasSize, kDark, rig.head);
    AddTube(mesh, at(rig.head) + glm::vec3(0.0f, 0.1f, 0.06f), at(rig.head) + glm::vec3(0.0f, 0.06f, 0.3f),
            0.02f, 0.005f, 5);
    Part(mesh, atlasSize, kBeak, rig.head);
    AddTube(mesh, at(rig.head) + glm::vec3(0.0f, 0.03f, -0.1f), at(rig.head) + glm::vec3(0.0f, 0.0f, -0.45f),
            0.04f, 0.0f, 8);
    for (const bool right : {true, false}) {
        const float side = right ? -1.0f : 1.0f;
        const int wing = right ? rig.wingR : rig.wingL;
        const int tip = right ? rig.tipR : rig.tipL;
        const int leg = right ? rig.legR : rig.legL;
        Part(mesh, atlasSize, kGrey, wing);
        Ellipsoid(mesh, 0.5f * (at(wing) + at(tip)) + glm::vec3(side * 0.02f, -0.02f, 0.0f),
                  {0.05f, 0.16f, 0.32f});
        Part(mesh, atlasSize, kDark, tip);
        Ellipsoid(mesh, at(tip) + glm::vec3(side * 0.02f, -0.05f, 0.22f), {0.04f, 0.12f, 0.3f},
                  Degrees(-8.0f));
        Part(mesh, atlasSize, kBeak, leg);
        AddTube(mesh, at(leg), glm::vec3(at(leg).x, 0.02f, at(leg).z), 0.025f, 0.02f, 6);
        for (const float toe : {-0.5f, 0.0f, 0.5f}) {
            AddTube(mesh, glm::vec3(at(leg).x, 0.02f, at(leg).z),
                    glm::vec3(at(leg).x + 0.12f * std::sin(toe), 0.01f, at(leg).z - 0.12f * std::cos(toe)),
                    0.015f, 0.008f, 4);
        }
    }
    Part(mesh, atlasSize, kDark, rig.tail);
    Ellipsoid(mesh, at(rig.tail) + glm::vec3(0.0f, -0.05f, 0.15f), {0.16f, 0.04f, 0.22f}, Degrees(10.0f));
    return mesh;
}

// A wing opened by spread (0 folded along the body, 1 held out sideways) and beaten by flap degrees.
glm::quat Wing(float side, float spread, float flap) {
    const glm::quat open = glm::angleAxis(glm::radians(side * 85.0f * spread), glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::quat beat = glm::angleAxis(glm::radians(-side * flap * spread), glm::vec3(0.0f, 0.0f, 1.0f));
    return beat * open;
}

ModelAnimation WingsClip(const BirdRig& rig) {
    return MakeAnimation(
        "Wings", rig.skeleton, SampleLoop(rig.skeleton, 60, [&](float t, Pose& pose) {
            const float spread =
                SmoothStep01((t - 0.35f) / 0.12f) * (1.0f - SmoothStep01((t - 0.78f) / 0.12f));
            const float flap = 35.0f * std::sin(6.2831853f * 4.0f * t);
            pose.rotations[static_cast<std::size_t>(rig.wingR)] = Wing(-1.0f, spread, flap);
            pose.rotations[static_cast<std::size_t>(rig.wingL)] = Wing(1.0f, spread, flap);
            pose.rotations[static_cast<std::size_t>(rig.tipR)] = Degrees(0.0f, 0.0f, 0.4f * flap * spread);
            pose.rotations[static_cast<std::size_t>(rig.tipL)] = Degrees(0.0f, 0.0f, -0.4f * flap * spread);
        }));
}

ModelAnimation LookClip(const BirdRig& rig) {
    // Looks left and right, dips to preen its chest, flicks the tail.
    return MakeAnimation(
        "Look", rig.skeleton, SampleLoop(rig.skeleton, 80, [&](float t, Pose& pose) {
            const float look = Interpolate({{0.0f, 0.0f},
                                            {0.15f, 40.0f},
                                            {0.35f, 40.0f},
                                            {0.5f, -35.0f},
                                            {0.65f, -35.0f},
                                            {0.8f, 0.0f},
                                            {1.0f, 0.0f}},
                                           t);
            const float dip =
                Interpolate({{0.0f, 0.0f}, {0.8f, 0.0f}, {0.87f, -55.0f}, {0.95f, -55.0f}, {1.0f, 0.0f}}, t);
            pose.rotations[static_cast<std::size_t>(rig.neck)] = Degrees(dip * 0.6f, look * 0.4f, 0.0f);
            pose.rotations[static_cast<std::size_t>(rig.head)] =
                Degrees(dip * 0.4f - 5.0f * Cycle(3.0f * t), look * 0.6f, 0.0f);
            pose.rotations[static_cast<std::size_t>(rig.tail)] =
                Degrees(8.0f * std::max(0.0f, Cycle(5.0f * t)), 0.0f, 0.0f);
        }));
}

}  // namespace

ModelFileData BuildBigBird() {
    const BirdRig rig = BuildRig();
    const BakedTexture atlas =
        MakeAtlas(Bake(FeatherSurface(64, {0.62f, 0.64f, 0.68f}, {0.42f, 0.44f, 0.5f}, 401)),
                  Bake(FeatherSurface(64, {0.95f, 0.95f, 0.93f}, {0.8f, 0.8f, 0.8f}, 402)),
                  Bake(FeatherSurface(64, {0.22f, 0.22f, 0.26f}, {0.1f, 0.1f, 0.12f}, 403)),
                  Bake(PlainSurface(64, {0.9f, 0.7f, 0.2f}, 1.0f, 404)));
    const MeshBuilder mesh = BirdMesh(rig, atlas.size);
    return SkinnedModel("BigBird", mesh, atlas, {WingsClip(rig), LookClip(rig)});
}
