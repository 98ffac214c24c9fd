#include "props/PropTextures.h"

#include "textures/Materials.h"

namespace {

constexpr int kTile = 64;
constexpr int kSmallTile = 32;

}  // namespace

const BakedTexture& WoodIronAtlas() {
    static const BakedTexture atlas =
        MakeAtlas(Bake(WoodSurface(kTile, {0.62f, 0.45f, 0.28f}, {0.38f, 0.25f, 0.14f}, 11)),
                  Bake(MetalSurface(kTile, {0.22f, 0.22f, 0.24f}, 12)),
                  Bake(WoodSurface(kTile, {0.36f, 0.24f, 0.15f}, {0.2f, 0.13f, 0.08f}, 13)),
                  Bake(EmberSurface(kTile, {0.35f, 0.05f, 0.02f}, {1.0f, 0.7f, 0.2f}, 14)));
    return atlas;
}

const BakedTexture& MasonryAtlas() {
    static const BakedTexture atlas =
        MakeAtlas(Bake(StoneBlockSurface(kTile, {0.5f, 0.5f, 0.53f}, {0.27f, 0.26f, 0.25f}, 4, 2, 21)),
                  Bake(StoneBlockSurface(kTile, {0.32f, 0.32f, 0.35f}, {0.2f, 0.2f, 0.2f}, 2, 1, 22)),
                  Bake(PaperSurface(kTile, {0.88f, 0.85f, 0.78f}, 23)),
                  Bake(StoneBlockSurface(kTile, {0.3f, 0.32f, 0.36f}, {0.18f, 0.18f, 0.2f}, 8, 4, 24)));
    return atlas;
}

const BakedTexture& FoliageAtlas() {
    static const BakedTexture atlas =
        MakeAtlas(Bake(WoodSurface(kTile, {0.35f, 0.27f, 0.2f}, {0.2f, 0.15f, 0.1f}, 31)),
                  Bake(LeafSurface(kTile, {0.3f, 0.55f, 0.2f}, {0.1f, 0.28f, 0.08f}, 32)),
                  Bake(LeafSurface(kTile, {1.0f, 0.8f, 0.88f}, {0.85f, 0.5f, 0.65f}, 33)),
                  Bake(LeafSurface(kTile, {0.9f, 0.3f, 0.12f}, {0.55f, 0.08f, 0.05f}, 34)));
    return atlas;
}

const BakedTexture& SmallItemAtlas() {
    static const BakedTexture atlas =
        MakeAtlas(Bake(MetalSurface(kSmallTile, {0.72f, 0.74f, 0.78f}, 41)),
                  Bake(ClothSurface(kSmallTile, {0.25f, 0.2f, 0.18f}, 8, 42)),
                  Bake(MetalSurface(kSmallTile, {0.75f, 0.6f, 0.3f}, 43)),
                  Bake(PlainSurface(kSmallTile, {0.6f, 0.1f, 0.08f}, 1.0f, 44)));
    return atlas;
}

const BakedTexture& RuneAtlas() {
    static const BakedTexture atlas =
        MakeAtlas(Bake(LeafSurface(kSmallTile, {1.0f, 0.75f, 0.85f}, {0.9f, 0.4f, 0.6f}, 51)),
                  Bake(PaperSurface(kSmallTile, {0.93f, 0.9f, 0.8f}, 52)),
                  Bake(WoodSurface(kSmallTile, {0.55f, 0.15f, 0.1f}, {0.35f, 0.08f, 0.05f}, 53)),
                  Bake(MetalSurface(kSmallTile, {0.95f, 0.78f, 0.3f}, 54)));
    return atlas;
}
