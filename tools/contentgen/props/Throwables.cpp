#include <cmath>
#include <vector>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "props/PropTextures.h"
#include "props/Props.h"
#include "textures/Materials.h"
#include "textures/Noise.h"

namespace {

constexpr float kPi = 3.14159265359f;

// A round jar with a neck and a stopper, centred on the origin.
void AddJar(MeshBuilder& mesh, int atlasSize, int bodyTile, int stopperTile, float radius) {
    UseTile(mesh, atlasSize, bodyTile);
    AddSphere(mesh, {0.0f, 0.0f, 0.0f}, radius, 14, 8);
    AddFrustum(mesh, radius * 0.45f, radius * 0.35f, radius * 0.8f, radius * 1.25f, 10, false);
    UseTile(mesh, atlasSize, stopperTile);
    AddFrustum(mesh, radius * 0.36f, radius * 0.3f, radius * 1.2f, radius * 1.45f, 10);
}

// A caltrop: four spikes pointing to the corners of a tetrahedron, one always up.
void AddCaltrop(MeshBuilder& mesh, const glm::vec3& at, float yaw, float size) {
    const glm::vec3 directions[4] = {
        {0.0f, 1.0f, 0.0f}, {0.943f, -0.333f, 0.0f}, {-0.471f, -0.333f, 0.816f}, {-0.471f, -0.333f, -0.816f}};
    const glm::quat turn = EulerRotation(0.0f, yaw, 0.0f);
    const glm::vec3 centre = at + glm::vec3(0.0f, size * 0.333f, 0.0f);
    for (const glm::vec3& d : directions) {
        AddTube(mesh, centre, centre + turn * d * size, size * 0.22f, 0.0f, 5);
    }
}

}  // namespace

ModelFileData BuildSmokeBomb() {
    const BakedTexture atlas = MakeAtlas(Bake(PlainSurface(32, {0.3f, 0.3f, 0.32f}, 1.0f, 71)),
                                         Bake(ClothSurface(32, {0.55f, 0.45f, 0.3f}, 6, 72)),
                                         Bake(PlainSurface(32, {0.8f, 0.8f, 0.78f}, 1.0f, 73)),
                                         Bake(PlainSurface(32, {0.2f, 0.2f, 0.2f}, 1.0f, 74)));
    MeshBuilder mesh;
    AddJar(mesh, atlas.size, 0, 1, 0.16f);
    // A paper seal round the belly.
    UseTile(mesh, atlas.size, 2);
    AddFrustum(mesh, 0.165f, 0.165f, -0.04f, 0.04f, 14, false);
    return StaticModel("SmokeBomb", mesh, atlas);
}

ModelFileData BuildCaltropBag() {
    const BakedTexture& atlas = SmallItemAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kWrap);
    mesh.SetPlacement(Place({0, 0, 0}, glm::quat(1, 0, 0, 0), {1.0f, 0.8f, 1.0f}));
    AddSphere(mesh, {0, 0, 0}, 0.17f, 12, 8);
    mesh.SetPlacement(glm::mat4(1.0f));
    AddFrustum(mesh, 0.05f, 0.09f, 0.11f, 0.22f, 8);
    UseTile(mesh, atlas.size, kLacquer);
    AddFrustum(mesh, 0.055f, 0.055f, 0.11f, 0.14f, 8, false);
    return StaticModel("CaltropBag", mesh, atlas);
}

ModelFileData BuildCaltropField(bool red) {
    const glm::vec3 team = red ? glm::vec3(0.75f, 0.15f, 0.1f) : glm::vec3(0.15f, 0.3f, 0.8f);
    const BakedTexture atlas = MakeAtlas(
        Bake(MetalSurface(32, {0.45f, 0.45f, 0.48f}, 81)), Bake(MetalSurface(32, team, 82)),
        Bake(PlainSurface(32, team, 1.0f, 83)), Bake(PlainSurface(32, {0.3f, 0.25f, 0.2f}, 1.0f, 84)));
    MeshBuilder mesh;
    // Caltrops scattered over the damage radius (1.3), fewer towards the marker radius (2.3); team
    // coloured ones mixed in so that the owner's side can be told apart.
    const std::uint32_t seed = 90;
    for (int i = 0; i < 22; ++i) {
        const float r = 2.1f * std::sqrt(LatticeValue(i, 0, seed));
        const float angle = 2.0f * kPi * LatticeValue(i, 1, seed);
        const float yaw = 2.0f * kPi * LatticeValue(i, 2, seed);
        UseTile(mesh, atlas.size, i % 3 == 0 ? 1 : 0);
        AddCaltrop(mesh, {r * std::cos(angle), 0.0f, r * std::sin(angle)}, yaw, 0.14f);
    }
    // A faint team-coloured disc on the ground.
    UseTile(mesh, atlas.size, 2);
    AddRing(mesh, 2.2f, 2.3f, 0.01f, 40);
    return StaticModel(red ? "CaltropFieldTCRed" : "CaltropFieldTCBlue", mesh, atlas);
}

ModelFileData BuildStickyTrapJar() {
    const BakedTexture atlas = MakeAtlas(Bake(PlainSurface(32, {0.4f, 0.55f, 0.2f}, 1.0f, 91)),
                                         Bake(ClothSurface(32, {0.5f, 0.4f, 0.25f}, 6, 92)),
                                         Bake(LiquidSurface(32, {0.55f, 0.75f, 0.15f}, 1.0f, 93)),
                                         Bake(PlainSurface(32, {0.2f, 0.2f, 0.2f}, 1.0f, 94)));
    MeshBuilder mesh;
    AddJar(mesh, atlas.size, 0, 1, 0.15f);
    // Goo dripping over the rim.
    UseTile(mesh, atlas.size, 2);
    AddSphere(mesh, {0.05f, 0.16f, 0.02f}, 0.05f, 8, 6);
    // The in-flight slowing volume.
    return StaticModel("StickyTrapJar", mesh, atlas, {}, {Sphere({0, 0, 0}, 0.5f)});
}

ModelFileData BuildStickyTrapPuddle(int variant) {
    const BakedTexture texture =
        Bake(LiquidSurface(64, {0.5f, 0.7f, 0.12f}, 0.7f, 100 + static_cast<std::uint32_t>(variant)));
    MeshBuilder mesh;
    // An irregular blob reaching about the slowing radius of 2.3.
    std::vector<glm::vec2> outline;
    constexpr int kPoints = 28;
    const auto seed = 110 + static_cast<std::uint32_t>(variant);
    for (int i = 0; i < kPoints; ++i) {
        const float angle = 2.0f * kPi * static_cast<float>(i) / kPoints;
        const float r =
            2.3f * (0.85f + 0.3f * ValueNoise(static_cast<float>(i) * 0.5f, 0.0f, kPoints / 2, seed));
        outline.emplace_back(r * std::cos(angle), r * std::sin(angle));
    }
    mesh.SetUvMapping(RepeatingUv(0.4f));
    AddPrism(mesh, outline, 0.0f, 0.02f);
    // A few bubbles.
    for (int i = 0; i < 4; ++i) {
        const float angle = 2.0f * kPi * LatticeValue(i, variant, seed);
        const float r = 1.6f * LatticeValue(i, variant + 7, seed);
        AddSphere(mesh, {r * std::cos(angle), 0.02f, r * std::sin(angle)},
                  0.08f + 0.05f * LatticeValue(i, 3, seed), 8, 4);
    }
    return StaticModel("StickyTrap" + std::to_string(variant), mesh, texture);
}

ModelFileData BuildFlashBang() {
    const BakedTexture& atlas = SmallItemAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kBrass);
    AddFrustum(mesh, 0.08f, 0.08f, -0.11f, 0.09f, 12);
    UseTile(mesh, atlas.size, kLacquer);
    AddFrustum(mesh, 0.083f, 0.083f, -0.03f, 0.03f, 12, false);
    UseTile(mesh, atlas.size, kSteel);
    AddFrustum(mesh, 0.05f, 0.04f, 0.09f, 0.13f, 10);
    UseTile(mesh, atlas.size, kWrap);
    AddTube(mesh, {0.0f, 0.13f, 0.0f}, {0.04f, 0.22f, 0.02f}, 0.012f, 0.008f, 5);
    return StaticModel("flashbang", mesh, atlas);
}
