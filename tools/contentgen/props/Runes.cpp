#include <cmath>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "props/PropTextures.h"
#include "props/Props.h"

namespace {

constexpr float kPi = 3.14159265359f;

// The pickup volume: from the ground to two units up, so that it meets a player's body box.
CollisionBox PickupBox() {
    return Box({0.0f, 1.0f, 0.0f}, {0.75f, 1.0f, 0.75f});
}

// Rune pickups hover at this height.
constexpr float kHover = 1.0f;

}  // namespace

ModelFileData BuildLotus() {
    const BakedTexture& atlas = RuneAtlas();
    MeshBuilder mesh;
    // Two rings of petals round a golden heart, on a lily pad.
    UseTile(mesh, atlas.size, kPetals);
    for (int ring = 0; ring < 2; ++ring) {
        const int count = ring == 0 ? 8 : 6;
        const float tilt = ring == 0 ? 0.9f : 0.45f;
        const float length = ring == 0 ? 0.32f : 0.26f;
        for (int i = 0; i < count; ++i) {
            const float yaw = 2.0f * kPi * (static_cast<float>(i) + 0.5f * static_cast<float>(ring)) /
                              static_cast<float>(count);
            const glm::quat turn = EulerRotation(0.0f, yaw, 0.0f) * EulerRotation(tilt, 0.0f, 0.0f);
            // A petal: a flattened sphere leaning out from the centre.
            mesh.SetPlacement(Place({0.0f, kHover, 0.0f}, turn) *
                              Place({0.0f, length, 0.0f}, glm::quat(1, 0, 0, 0), {0.09f, length, 0.035f}));
            AddSphere(mesh, {0, 0, 0}, 1.0f, 10, 6);
        }
    }
    mesh.SetPlacement(glm::mat4(1.0f));
    UseTile(mesh, atlas.size, kGold);
    AddSphere(mesh, {0.0f, kHover + 0.08f, 0.0f}, 0.1f, 10, 6);
    UseTile(mesh, atlas.size, kRuneWood);
    mesh.SetPlacement(Place({0.0f, kHover - 0.05f, 0.0f}, glm::quat(1, 0, 0, 0), {1.0f, 0.12f, 1.0f}));
    AddSphere(mesh, {0, 0, 0}, 0.45f, 14, 6);
    return StaticModel("lotus", mesh, atlas, {PickupBox()});
}

ModelFileData BuildInvisibilityScroll() {
    const BakedTexture& atlas = RuneAtlas();
    MeshBuilder mesh;
    // A rolled scroll lying across x, tilted, with lacquered rods and gold caps.
    const glm::mat4 tilt = Place({0.0f, kHover, 0.0f}, EulerRotation(0.25f, 0.3f, 0.35f));
    mesh.SetPlacement(tilt);
    UseTile(mesh, atlas.size, kPaper);
    AddTube(mesh, {-0.38f, 0, 0}, {0.38f, 0, 0}, 0.13f, 0.13f, 16);
    // The loose end hanging from the roll.
    AddBox(mesh, {0.0f, -0.2f, 0.12f}, {0.36f, 0.2f, 0.008f});
    UseTile(mesh, atlas.size, kRuneWood);
    AddTube(mesh, {-0.5f, 0, 0}, {-0.38f, 0, 0}, 0.05f, 0.05f, 10);
    AddTube(mesh, {0.38f, 0, 0}, {0.5f, 0, 0}, 0.05f, 0.05f, 10);
    UseTile(mesh, atlas.size, kGold);
    AddSphere(mesh, {-0.53f, 0, 0}, 0.06f, 8, 6);
    AddSphere(mesh, {0.53f, 0, 0}, 0.06f, 8, 6);
    AddTube(mesh, {0.0f, -0.14f, -0.02f}, {0.0f, 0.14f, -0.02f}, 0.135f, 0.135f, 16, false);
    return StaticModel("invisScroll", mesh, atlas, {PickupBox()});
}

ModelFileData BuildShieldRune() {
    const BakedTexture& atlas = RuneAtlas();
    MeshBuilder mesh;
    // A round shield standing upright and facing -z, with a golden rim and boss.
    mesh.SetPlacement(Place({0.0f, kHover, 0.0f}, EulerRotation(-kPi / 2, 0, 0)));
    UseTile(mesh, atlas.size, kRuneWood);
    AddFrustum(mesh, 0.5f, 0.42f, -0.04f, 0.05f, 24);
    UseTile(mesh, atlas.size, kGold);
    AddFrustum(mesh, 0.54f, 0.54f, -0.05f, 0.03f, 24, false);
    AddFrustum(mesh, 0.14f, 0.05f, 0.05f, 0.16f, 12);
    for (int i = 0; i < 8; ++i) {
        const float angle = 2.0f * kPi * static_cast<float>(i) / 8.0f;
        AddSphere(mesh, {0.36f * std::cos(angle), 0.05f, 0.36f * std::sin(angle)}, 0.03f, 6, 4);
    }
    return StaticModel("shield", mesh, atlas, {PickupBox()});
}
