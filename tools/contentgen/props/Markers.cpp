#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "props/Props.h"
#include "textures/Materials.h"

namespace {

constexpr float kPi = 3.14159265359f;
constexpr int kMarkerTexels = 64;

BakedTexture MarkerTexture(const glm::vec3& color, float fill, float edge) {
    return Bake(MarkerSurface(kMarkerTexels, color, fill, edge));
}

// A flat outline (points in x, z) facing up.
void AddFlat(MeshBuilder& mesh, const std::vector<glm::vec2>& outline) {
    AddPrism(mesh, outline, 0.0f, 0.0f);
}

}  // namespace

ModelFileData BuildCircleMarker() {
    const BakedTexture texture = MarkerTexture({0.55f, 0.8f, 1.0f}, 0.2f, 0.85f);
    MeshBuilder mesh;
    AddRing(mesh, 0.0f, 0.5f, 0.0f, 48);
    return StaticModel("Marker_Circle", mesh, texture);
}

ModelFileData BuildArrowEndMarker() {
    const BakedTexture texture = Bake(PlainSurface(16, {0.55f, 0.8f, 1.0f}, 0.75f, 61));
    MeshBuilder mesh;
    AddFlat(mesh, {{0.3f, 0.0f}, {-0.2f, 0.3f}, {-0.1f, 0.0f}, {-0.2f, -0.3f}});
    return StaticModel("Marker_ArrowEnd", mesh, texture);
}

ModelFileData BuildArrowStartMarker() {
    const BakedTexture texture = Bake(PlainSurface(16, {0.55f, 0.8f, 1.0f}, 0.45f, 62));
    MeshBuilder mesh;
    AddFlat(mesh, {{-0.05f, -0.12f}, {0.05f, -0.12f}, {0.05f, 0.12f}, {-0.05f, 0.12f}});
    return StaticModel("Marker_ArrowStart", mesh, texture);
}

ModelFileData BuildConeMarker() {
    // Scaled by 3 and placed 1.7 ahead of the player, the apex lands on the player and the arc at the
    // melee reach of 3, within 45 degrees either side.
    const BakedTexture texture = MarkerTexture({1.0f, 0.55f, 0.35f}, 0.25f, 0.85f);
    MeshBuilder mesh;
    mesh.SetPlacement(Place({0.0f, 0.0f, -1.7f / 3.0f}));
    AddSector(mesh, 0.0f, 1.0f, -kPi / 4, kPi / 4, 0.0f, 16);
    return StaticModel("Marker_Cone", mesh, texture);
}

ModelFileData BuildTeamRing() {
    const BakedTexture texture = Bake(PlainSurface(16, {1.0f, 1.0f, 1.0f}, 0.8f, 63));
    MeshBuilder mesh;
    AddRing(mesh, 0.86f, 1.0f, 0.0f, 48);
    return StaticModel("TeamRing", mesh, texture);
}
