#include <string>

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "props/PropTextures.h"
#include "props/Props.h"
#include "textures/Materials.h"

namespace {

// The floor reaches far beyond the walls: the camera sees about 30 units past the arena's sides.
constexpr float kGroundHalfSize = 120.0f;

ModelFileData Ground(const std::string& name, const BakedTexture& texture) {
    MeshBuilder mesh;
    mesh.SetUvMapping(RepeatingUv(0.25f));
    AddGround(mesh, -kGroundHalfSize, -kGroundHalfSize, kGroundHalfSize, kGroundHalfSize, 12, 12);
    // No volumes: every obstacle of the client is a column of unlimited height.
    return StaticModel(name, mesh, texture);
}

}  // namespace

ModelFileData BuildNightGround() {
    return Ground("Ground", Bake(GrassSurface(128, {0.1f, 0.17f, 0.08f}, {0.22f, 0.32f, 0.14f}, 201)));
}

ModelFileData BuildGardenGround() {
    return Ground("GardenGround", Bake(GrassSurface(128, {0.3f, 0.5f, 0.16f}, {0.55f, 0.72f, 0.3f}, 202)));
}

ModelFileData BuildArenaWall() {
    // A 10-unit stretch of the outer wall, 2 thick and 6 high, along x. The level's box lines collide.
    const BakedTexture& atlas = MasonryAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kStoneBlocks);
    AddBox(mesh, {0.0f, 2.8f, 0.0f}, {5.0f, 2.8f, 1.0f});
    UseTile(mesh, atlas.size, kDarkStone);
    AddBox(mesh, {0.0f, 5.8f, 0.0f}, {5.0f, 0.2f, 1.15f});
    AddBox(mesh, {0.0f, 0.2f, 0.0f}, {5.0f, 0.2f, 1.1f});
    // Battlements along the top.
    for (int i = 0; i < 5; ++i) {
        AddBox(mesh, {-4.0f + 2.0f * static_cast<float>(i), 6.3f, 0.0f}, {0.5f, 0.3f, 1.0f});
    }
    return StaticModel("ArenaWall", mesh, atlas);
}

ModelFileData BuildStoneWall() {
    // A 10-unit inner wall, 1.5 thick and 6 high, along x; the level's box lines collide.
    const BakedTexture& atlas = MasonryAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kStoneBlocks);
    AddBox(mesh, {0.0f, 2.9f, 0.0f}, {5.0f, 2.9f, 0.75f});
    UseTile(mesh, atlas.size, kDarkStone);
    AddBox(mesh, {0.0f, 5.9f, 0.0f}, {5.1f, 0.1f, 0.85f});
    AddBox(mesh, {0.0f, 0.25f, 0.0f}, {5.05f, 0.25f, 0.85f});
    // Buttresses at both ends.
    AddBox(mesh, {-4.7f, 2.5f, 0.0f}, {0.3f, 2.5f, 0.85f});
    AddBox(mesh, {4.7f, 2.5f, 0.0f}, {0.3f, 2.5f, 0.85f});
    return StaticModel("StoneWall", mesh, atlas);
}

ModelFileData BuildStonePillar() {
    const BakedTexture& atlas = MasonryAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kDarkStone);
    AddBox(mesh, {0.0f, 0.2f, 0.0f}, {1.05f, 0.2f, 1.05f});
    AddBox(mesh, {0.0f, 6.7f, 0.0f}, {1.0f, 0.2f, 1.0f});
    UseTile(mesh, atlas.size, kStoneBlocks);
    AddFrustum(mesh, 0.85f, 0.75f, 0.4f, 6.5f, 16);
    AddFrustum(mesh, 0.75f, 0.95f, 6.3f, 6.5f, 16);
    // A column of unlimited height for the server and a sight blocker for the client.
    return StaticModel("StonePillar", mesh, atlas, {}, {Sphere({0.0f, 1.0f, 0.0f}, 1.0f)});
}

ModelFileData BuildGardenWall() {
    // A 10-unit stretch of plastered garden wall, 2 thick and 5 high, with a tiled roof, along x.
    const BakedTexture& atlas = MasonryAtlas();
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, kDarkStone);
    AddBox(mesh, {0.0f, 0.4f, 0.0f}, {5.0f, 0.4f, 1.0f});
    UseTile(mesh, atlas.size, kPlaster);
    AddBox(mesh, {0.0f, 2.6f, 0.0f}, {5.0f, 1.8f, 0.9f});
    UseTile(mesh, atlas.size, kRoofTiles);
    // Two roof slopes meeting over the wall's middle.
    for (const float side : {-1.0f, 1.0f}) {
        mesh.SetPlacement(Place({0.0f, 4.75f, side * 0.6f}, EulerRotation(side * 0.45f, 0.0f, 0.0f)));
        AddBox(mesh, {0.0f, 0.0f, 0.0f}, {5.05f, 0.08f, 0.75f});
    }
    mesh.SetPlacement(glm::mat4(1.0f));
    AddTube(mesh, {-5.05f, 5.0f, 0.0f}, {5.05f, 5.0f, 0.0f}, 0.14f, 0.14f, 8);
    return StaticModel("GardenWall", mesh, atlas);
}

ModelFileData BuildBambooFence() {
    // A 10-unit fence of upright bamboo, 4.5 high and 0.6 thick, along x, bound by two rails.
    const BakedTexture atlas =
        MakeAtlas(Bake(StrawSurface(64, {0.72f, 0.7f, 0.38f}, {0.45f, 0.48f, 0.2f}, 2, 121)),
                  Bake(WoodSurface(64, {0.4f, 0.3f, 0.2f}, {0.25f, 0.17f, 0.1f}, 122)),
                  Bake(ClothSurface(64, {0.25f, 0.2f, 0.15f}, 12, 123)),
                  Bake(StrawSurface(64, {0.6f, 0.62f, 0.3f}, {0.35f, 0.4f, 0.15f}, 3, 124)));
    MeshBuilder mesh;
    constexpr int kPoles = 34;
    for (int i = 0; i < kPoles; ++i) {
        const float x = -4.85f + 9.7f * static_cast<float>(i) / (kPoles - 1);
        const float top = 4.3f + 0.2f * static_cast<float>((i * 7) % 3);
        UseTile(mesh, atlas.size, i % 2 == 0 ? 0 : 3);
        AddTube(mesh, {x, 0.0f, (i % 2 == 0 ? 0.08f : -0.08f)}, {x, top, (i % 2 == 0 ? 0.08f : -0.08f)},
                0.14f, 0.13f, 7);
    }
    UseTile(mesh, atlas.size, 1);
    for (const float y : {1.2f, 3.4f}) {
        for (const float z : {-0.28f, 0.28f}) {
            AddTube(mesh, {-5.0f, y, z}, {5.0f, y, z}, 0.07f, 0.07f, 6);
        }
    }
    UseTile(mesh, atlas.size, 2);
    for (const float x : {-5.0f, 5.0f}) {
        AddTube(mesh, {x, 0.0f, 0.0f}, {x, 4.6f, 0.0f}, 0.25f, 0.22f, 8);
    }
    return StaticModel("BambooFence", mesh, atlas);
}

ModelFileData BuildKoiPond() {
    // A pond of 12 by 8 with a stone rim, its surface a little above the ground; the level's box line
    // keeps players out of it.
    const BakedTexture atlas =
        MakeAtlas(Bake(LiquidSurface(64, {0.15f, 0.35f, 0.4f}, 0.85f, 131)),
                  Bake(StoneBlockSurface(64, {0.55f, 0.55f, 0.52f}, {0.3f, 0.3f, 0.28f}, 2, 2, 132)),
                  Bake(PlainSurface(64, {0.95f, 0.45f, 0.1f}, 1.0f, 133)),
                  Bake(PlainSurface(64, {0.95f, 0.95f, 0.9f}, 1.0f, 134)));
    MeshBuilder mesh;
    UseTile(mesh, atlas.size, 0);
    AddBox(mesh, {0.0f, 0.05f, 0.0f}, {5.6f, 0.05f, 3.6f});
    UseTile(mesh, atlas.size, 1);
    AddBox(mesh, {0.0f, 0.2f, 3.8f}, {6.0f, 0.2f, 0.2f});
    AddBox(mesh, {0.0f, 0.2f, -3.8f}, {6.0f, 0.2f, 0.2f});
    AddBox(mesh, {5.8f, 0.2f, 0.0f}, {0.2f, 0.2f, 3.6f});
    AddBox(mesh, {-5.8f, 0.2f, 0.0f}, {0.2f, 0.2f, 3.6f});
    // Koi just under the surface.
    const glm::vec3 fish[3] = {{-2.0f, 0.06f, 1.0f}, {1.5f, 0.06f, -1.2f}, {3.0f, 0.06f, 1.8f}};
    for (int i = 0; i < 3; ++i) {
        UseTile(mesh, atlas.size, i == 1 ? 3 : 2);
        mesh.SetPlacement(Place(fish[i], EulerRotation(0.0f, 0.7f * static_cast<float>(i) + 0.3f, 0.0f),
                                {0.12f, 0.05f, 0.35f}));
        AddSphere(mesh, {0, 0, 0}, 1.0f, 8, 5);
    }
    mesh.SetPlacement(glm::mat4(1.0f));
    return StaticModel("KoiPond", mesh, atlas);
}
