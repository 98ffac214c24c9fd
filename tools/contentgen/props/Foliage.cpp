#include <cmath>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "props/PropTextures.h"
#include "props/Props.h"

namespace {

constexpr float kPi = 3.14159265359f;

// A crown of overlapping flattened spheres round (0, height, 0).
void AddCrown(MeshBuilder& mesh, float height, float radius, int clumps) {
    mesh.SetPlacement(Place({0.0f, height, 0.0f}, glm::quat(1, 0, 0, 0), {1.0f, 0.75f, 1.0f}));
    AddSphere(mesh, {0, 0, 0}, radius, 14, 8);
    for (int i = 0; i < clumps; ++i) {
        const float angle = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(clumps) + 0.4f;
        const float lift = (i % 2 == 0 ? 0.35f : -0.15f) * radius;
        mesh.SetPlacement(
            Place({0.7f * radius * std::cos(angle), height + lift, 0.7f * radius * std::sin(angle)},
                  glm::quat(1, 0, 0, 0), {1.0f, 0.7f, 1.0f}));
        AddSphere(mesh, {0, 0, 0}, radius * 0.6f, 10, 6);
    }
    mesh.SetPlacement(glm::mat4(1.0f));
}

// A trunk with a few branches reaching into the crown.
void AddTrunk(MeshBuilder& mesh, float baseRadius, float height, int branches) {
    AddFrustum(mesh, baseRadius, baseRadius * 0.55f, 0.0f, height, 10);
    for (int i = 0; i < branches; ++i) {
        const float angle = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(branches);
        const glm::vec3 from(0.0f, height * (0.55f + 0.1f * static_cast<float>(i % 2)), 0.0f);
        const glm::vec3 to(height * 0.3f * std::cos(angle), height * 0.95f, height * 0.3f * std::sin(angle));
        AddTube(mesh, from, to, baseRadius * 0.35f, baseRadius * 0.15f, 6);
    }
}

}  // namespace

ModelFileData BuildTree() {
    // A tall tree: the trunk blocks walking and sight; the crown, high above, only the camera's view of
    // the players under it.
    const BakedTexture& atlas = FoliageAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kBark);
    AddTrunk(mesh, 0.5f, 7.0f, 4);
    UseTile(mesh, atlas.size, kLeaves);
    AddCrown(mesh, 8.0f, 3.0f, 6);
    return StaticModel("Tree", mesh, atlas, {},
                       {Sphere({0.0f, 1.0f, 0.0f}, 0.6f), Sphere({0.0f, 8.0f, 0.0f}, 3.2f)});
}

ModelFileData BuildSakuraTree() {
    const BakedTexture& atlas = FoliageAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kBark);
    AddTrunk(mesh, 0.35f, 4.2f, 5);
    UseTile(mesh, atlas.size, kBlossom);
    AddCrown(mesh, 4.8f, 2.4f, 7);
    return StaticModel("SakuraTree", mesh, atlas, {}, {Sphere({0.0f, 1.0f, 0.0f}, 0.45f)});
}

ModelFileData BuildMapleTree() {
    const BakedTexture& atlas = FoliageAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kBark);
    AddTrunk(mesh, 0.3f, 3.6f, 3);
    UseTile(mesh, atlas.size, kMaple);
    AddCrown(mesh, 4.2f, 2.2f, 5);
    return StaticModel("MapleTree", mesh, atlas, {}, {Sphere({0.0f, 1.0f, 0.0f}, 0.4f)});
}

ModelFileData BuildBush() {
    // Decoration only: players walk through bushes.
    const BakedTexture& atlas = FoliageAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kLeaves);
    const glm::vec4 clumps[4] = {{0.0f, 0.5f, 0.0f, 0.8f},
                                 {0.6f, 0.4f, 0.2f, 0.6f},
                                 {-0.5f, 0.35f, 0.3f, 0.55f},
                                 {0.1f, 0.35f, -0.6f, 0.6f}};
    for (const glm::vec4& c : clumps) {
        mesh.SetPlacement(Place(glm::vec3(c), glm::quat(1, 0, 0, 0), {1.0f, 0.8f, 1.0f}));
        AddSphere(mesh, {0, 0, 0}, c.w, 10, 6);
    }
    return StaticModel("Bush", mesh, atlas);
}
