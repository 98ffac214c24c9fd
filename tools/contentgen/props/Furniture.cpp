#include <cmath>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "props/PropTextures.h"
#include "props/Props.h"

namespace {

constexpr float kPi = 3.14159265359f;

}  // namespace

ModelFileData BuildCrate() {
    // A low wooden crate: blocks walking and blows, not sight (half-height below 1.8).
    const BakedTexture& atlas = WoodIronAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kLightWood);
    AddBox(mesh, {0.0f, 0.6f, 0.0f}, {0.58f, 0.58f, 0.58f});
    UseTile(mesh, atlas.size, kDarkWood);
    // Frame boards along the twelve edges.
    for (const float a : {-0.56f, 0.56f}) {
        for (const float b : {-0.56f, 0.56f}) {
            AddBox(mesh, {a, 0.6f, b}, {0.06f, 0.6f, 0.06f});
            AddBox(mesh, {a, 0.6f + b, 0.0f}, {0.06f, 0.06f, 0.6f});
            AddBox(mesh, {0.0f, 0.6f + a, b}, {0.6f, 0.06f, 0.06f});
        }
    }
    return StaticModel("Crate", mesh, atlas, {Box({0.0f, 0.6f, 0.0f}, {0.6f, 0.6f, 0.6f})});
}

ModelFileData BuildBarrel() {
    const BakedTexture& atlas = WoodIronAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kLightWood);
    AddFrustum(mesh, 0.4f, 0.47f, 0.0f, 0.55f, 16, false);
    AddFrustum(mesh, 0.47f, 0.4f, 0.55f, 1.1f, 16, false);
    UseTile(mesh, atlas.size, kDarkWood);
    AddFrustum(mesh, 0.39f, 0.39f, 0.0f, 0.02f, 16);
    AddFrustum(mesh, 0.39f, 0.39f, 1.08f, 1.1f, 16);
    UseTile(mesh, atlas.size, kIron);
    for (const float y : {0.12f, 0.5f, 0.95f}) {
        const float r = y < 0.55f ? 0.4f + 0.07f * y / 0.55f : 0.47f - 0.07f * (y - 0.55f) / 0.55f;
        AddFrustum(mesh, r + 0.015f, r + 0.015f, y - 0.04f, y + 0.04f, 16, false);
    }
    return StaticModel("Barrel", mesh, atlas, {Box({0.0f, 0.55f, 0.0f}, {0.47f, 0.55f, 0.47f})});
}

ModelFileData BuildBrazier() {
    // An iron bowl of embers on a stone pedestal; the fire emitters sit at about y = 1.3.
    const BakedTexture& atlas = WoodIronAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kIron);
    AddFrustum(mesh, 0.55f, 0.3f, 0.0f, 0.25f, 12);
    AddFrustum(mesh, 0.22f, 0.18f, 0.25f, 0.85f, 12, false);
    AddFrustum(mesh, 0.2f, 0.72f, 0.85f, 1.25f, 16);
    // Three legs of the bowl's cradle.
    for (int i = 0; i < 3; ++i) {
        const float angle = 2.0f * kPi * static_cast<float>(i) / 3.0f;
        const glm::vec3 foot(0.5f * std::cos(angle), 0.0f, 0.5f * std::sin(angle));
        AddTube(mesh, foot, glm::vec3(0.62f * std::cos(angle), 1.22f, 0.62f * std::sin(angle)), 0.04f, 0.035f,
                5);
    }
    UseTile(mesh, atlas.size, kEmbers);
    AddFrustum(mesh, 0.66f, 0.66f, 1.2f, 1.24f, 16);
    for (int i = 0; i < 5; ++i) {
        const float angle = 2.0f * kPi * static_cast<float>(i) / 5.0f + 0.3f;
        AddSphere(mesh, {0.3f * std::cos(angle), 1.24f, 0.3f * std::sin(angle)}, 0.12f, 8, 5);
    }
    return StaticModel("Brazier", mesh, atlas, {Box({0.0f, 0.65f, 0.0f}, {0.7f, 0.65f, 0.7f})});
}

ModelFileData BuildTorch() {
    // A torch on a pole; its flame emitter sits at about y = 2.65.
    const BakedTexture& atlas = WoodIronAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kIron);
    AddFrustum(mesh, 0.22f, 0.16f, 0.0f, 0.15f, 8);
    UseTile(mesh, atlas.size, kDarkWood);
    AddFrustum(mesh, 0.06f, 0.05f, 0.15f, 2.4f, 8, false);
    UseTile(mesh, atlas.size, kIron);
    AddFrustum(mesh, 0.07f, 0.14f, 2.3f, 2.45f, 8, false);
    UseTile(mesh, atlas.size, kEmbers);
    AddFrustum(mesh, 0.12f, 0.09f, 2.4f, 2.6f, 8);
    return StaticModel("Torch", mesh, atlas, {Box({0.0f, 1.0f, 0.0f}, {0.18f, 1.0f, 0.18f})});
}

ModelFileData BuildStoneLantern() {
    // A garden lantern: a low obstacle that does not block sight.
    const BakedTexture& atlas = MasonryAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kDarkStone);
    AddBox(mesh, {0.0f, 0.1f, 0.0f}, {0.45f, 0.1f, 0.45f});
    AddFrustum(mesh, 0.16f, 0.13f, 0.2f, 0.95f, 8, false);
    AddBox(mesh, {0.0f, 1.0f, 0.0f}, {0.32f, 0.06f, 0.32f});
    UseTile(mesh, atlas.size, kPlaster);
    AddBox(mesh, {0.0f, 1.24f, 0.0f}, {0.2f, 0.18f, 0.2f});
    UseTile(mesh, atlas.size, kDarkStone);
    mesh.SetPlacement(Place({0, 0, 0}, EulerRotation(0.0f, kPi / 4, 0.0f)));
    AddFrustum(mesh, 0.6f, 0.05f, 1.42f, 1.75f, 4);
    mesh.SetPlacement(glm::mat4(1.0f));
    AddSphere(mesh, {0.0f, 1.8f, 0.0f}, 0.07f, 6, 4);
    return StaticModel("StoneLantern", mesh, atlas, {Box({0.0f, 0.9f, 0.0f}, {0.45f, 0.9f, 0.45f})});
}

ModelFileData BuildGardenRock() {
    // A boulder: like a pillar it blocks walking and sight.
    const BakedTexture& atlas = MasonryAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kDarkStone);
    mesh.SetPlacement(Place({0.0f, 0.6f, 0.0f}, EulerRotation(0.1f, 0.4f, 0.05f), {1.4f, 0.9f, 1.2f}));
    AddSphere(mesh, {0, 0, 0}, 1.0f, 12, 8);
    mesh.SetPlacement(Place({0.5f, 0.9f, 0.3f}, EulerRotation(-0.2f, 1.1f, 0.1f), {0.8f, 0.8f, 0.7f}));
    AddSphere(mesh, {0, 0, 0}, 1.0f, 10, 6);
    mesh.SetPlacement(glm::mat4(1.0f));
    return StaticModel("GardenRock", mesh, atlas, {}, {Sphere({0.0f, 0.8f, 0.0f}, 1.4f)});
}
