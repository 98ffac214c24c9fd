#include <cmath>
#include <vector>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "props/PropTextures.h"
#include "props/Props.h"

namespace {

constexpr float kPi = 3.14159265359f;

// A star outline round the origin with the given number of points.
std::vector<glm::vec2> Star(int points, float outer, float inner, float twist) {
    std::vector<glm::vec2> outline;
    for (int i = 0; i < points * 2; ++i) {
        const float angle =
            kPi * static_cast<float>(i) / static_cast<float>(points) + (i % 2 == 1 ? twist : 0.0f);
        const float r = i % 2 == 0 ? outer : inner;
        outline.emplace_back(r * std::cos(angle), r * std::sin(angle));
    }
    return outline;
}

// Projectiles fly at the thrower's height plus 2, so their boxes reach half a unit up and down.
constexpr float kHitHalfHeight = 0.5f;

}  // namespace

ModelFileData BuildShuriken() {
    const BakedTexture& atlas = SmallItemAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kSteel);
    AddPrism(mesh, Star(4, 0.35f, 0.1f, 0.25f), -0.02f, 0.02f);
    UseTile(mesh, atlas.size, kWrap);
    AddFrustum(mesh, 0.07f, 0.07f, -0.03f, 0.03f, 12);
    return StaticModel("shuriken", mesh, atlas, {Box({0, 0, 0}, {0.4f, kHitHalfHeight, 0.4f})});
}

ModelFileData BuildMegaShuriken() {
    const BakedTexture& atlas = SmallItemAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kSteel);
    AddPrism(mesh, Star(4, 0.9f, 0.28f, 0.35f), -0.05f, 0.05f);
    UseTile(mesh, atlas.size, kLacquer);
    AddFrustum(mesh, 0.22f, 0.22f, -0.07f, 0.07f, 16);
    UseTile(mesh, atlas.size, kBrass);
    AddFrustum(mesh, 0.08f, 0.08f, -0.09f, 0.09f, 12);
    return StaticModel("MegaShuriken", mesh, atlas, {Box({0, 0, 0}, {0.9f, kHitHalfHeight, 0.9f})});
}

ModelFileData BuildKunai() {
    const BakedTexture& atlas = SmallItemAtlas();
    MeshBuilder mesh;
    // The blade: a flat diamond with its point on +z.
    UseTile(mesh, atlas.size, kSteel);
    AddPrism(mesh, {{0.0f, 0.42f}, {0.065f, 0.12f}, {0.0f, 0.0f}, {-0.065f, 0.12f}}, -0.012f, 0.012f);
    // The wrapped grip and the ring at its end.
    UseTile(mesh, atlas.size, kWrap);
    AddTube(mesh, {0, 0, 0.0f}, {0, 0, -0.2f}, 0.022f, 0.022f, 8);
    UseTile(mesh, atlas.size, kSteel);
    // The ring lies in the blade's plane: a top face, a bottom face (the top turned over) and its rim.
    mesh.SetPlacement(Place({0, 0, -0.27f}));
    AddRing(mesh, 0.035f, 0.055f, 0.008f, 12);
    AddFrustum(mesh, 0.055f, 0.055f, -0.008f, 0.008f, 12, false);
    mesh.SetPlacement(Place({0, 0, -0.27f}, EulerRotation(kPi, 0, 0)));
    AddRing(mesh, 0.035f, 0.055f, 0.008f, 12);
    mesh.SetPlacement(glm::mat4(1.0f));
    return StaticModel("Kunai", mesh, atlas, {Box({0, 0, 0.05f}, {0.15f, kHitHalfHeight, 0.35f})});
}

ModelFileData BuildTessenFan() {
    const BakedTexture& atlas = SmallItemAtlas();
    MeshBuilder mesh;
    // An open iron fan: a sector of 150 degrees with ribs.
    std::vector<glm::vec2> outline{{0.0f, -0.08f}};
    constexpr int kArc = 10;
    for (int i = 0; i <= kArc; ++i) {
        const float angle = -kPi * 5 / 12 + kPi * 10 / 12 * static_cast<float>(i) / kArc;
        outline.emplace_back(0.5f * std::sin(angle), 0.5f * std::cos(angle) - 0.08f);
    }
    UseTile(mesh, atlas.size, kLacquer);
    AddPrism(mesh, outline, -0.012f, 0.012f);
    UseTile(mesh, atlas.size, kSteel);
    for (int i = 0; i <= kArc; i += 2) {
        const float angle = -kPi * 5 / 12 + kPi * 10 / 12 * static_cast<float>(i) / kArc;
        AddTube(mesh, {0, 0, -0.08f}, {0.52f * std::sin(angle), 0, 0.52f * std::cos(angle) - 0.08f}, 0.016f,
                0.012f, 5);
    }
    UseTile(mesh, atlas.size, kBrass);
    AddFrustum(mesh, 0.04f, 0.04f, -0.025f, 0.025f, 10);
    return StaticModel("Tessen", mesh, atlas, {Box({0, 0, 0.1f}, {0.5f, kHitHalfHeight, 0.45f})});
}
