#include "ninjas/NinjaBody.h"

#include "mesh/Placement.h"
#include "mesh/Primitives.h"
#include "models/ModelAssembly.h"
#include "textures/Materials.h"

namespace {

void AddEllipsoid(MeshBuilder& mesh, const glm::vec3& center, const glm::vec3& radii, int slices = 12,
                  int stacks = 8) {
    const glm::mat4 saved = mesh.Placement();
    mesh.SetPlacement(saved * Place(center, glm::quat(1, 0, 0, 0), radii));
    AddSphere(mesh, {0, 0, 0}, 1.0f, slices, stacks);
    mesh.SetPlacement(saved);
}

}  // namespace

void UsePart(MeshBuilder& mesh, int atlasSize, int tile, int joint) {
    mesh.SetUvMapping(AtlasTile(tile, atlasSize));
    mesh.SetJoint(joint);
}

glm::vec3 GripPosition(const NinjaRig& rig) {
    return rig.skeleton.BindPosition(rig.handR) + glm::vec3(0.0f, -0.06f, 0.0f);
}

BakedTexture NinjaAtlas(const glm::vec3& cloth, const glm::vec3& accent, std::uint32_t seed) {
    return MakeAtlas(
        Bake(ClothSurface(64, cloth, 16, seed)), Bake(SkinSurface(64, {0.86f, 0.68f, 0.55f}, seed + 1)),
        Bake(MetalSurface(64, {0.78f, 0.8f, 0.84f}, seed + 2)), Bake(ClothSurface(64, accent, 8, seed + 3)));
}

void AddNinjaBody(MeshBuilder& mesh, const NinjaRig& rig, int atlasSize, float build) {
    const Skeleton& s = rig.skeleton;
    const auto at = [&](int joint) { return s.BindPosition(joint); };
    const float b = build;

    // Pelvis, abdomen with the belt, chest.
    UsePart(mesh, atlasSize, kNinjaCloth, rig.hip);
    AddEllipsoid(mesh, at(rig.hip) + glm::vec3(0.0f, -0.02f, 0.0f), {0.17f * b, 0.13f, 0.12f * b});
    UsePart(mesh, atlasSize, kNinjaCloth, rig.spine);
    AddEllipsoid(mesh, at(rig.spine) + glm::vec3(0.0f, 0.06f, 0.0f), {0.155f * b, 0.16f, 0.115f * b});
    UsePart(mesh, atlasSize, kNinjaAccent, rig.spine);
    AddEllipsoid(mesh, at(rig.spine) + glm::vec3(0.0f, -0.01f, 0.0f), {0.17f * b, 0.045f, 0.13f * b}, 14, 4);
    UsePart(mesh, atlasSize, kNinjaCloth, rig.chest);
    AddEllipsoid(mesh, at(rig.chest) + glm::vec3(0.0f, 0.08f, 0.0f), {0.21f * b, 0.2f, 0.135f * b});

    // Neck and hooded head with the face showing through the slit.
    UsePart(mesh, atlasSize, kNinjaSkin, rig.neck);
    AddTube(mesh, at(rig.neck) - glm::vec3(0.0f, 0.03f, 0.0f), at(rig.head) + glm::vec3(0.0f, 0.03f, 0.0f),
            0.055f, 0.05f, 8);
    const glm::vec3 headCenter = at(rig.head) + glm::vec3(0.0f, 0.1f, 0.0f);
    UsePart(mesh, atlasSize, kNinjaCloth, rig.head);
    AddEllipsoid(mesh, headCenter, {0.12f, 0.135f, 0.13f});
    UsePart(mesh, atlasSize, kNinjaSkin, rig.head);
    AddBox(mesh, headCenter + glm::vec3(0.0f, 0.015f, -0.105f), {0.085f, 0.03f, 0.03f});
    UsePart(mesh, atlasSize, kNinjaAccent, rig.head);
    AddBox(mesh, headCenter + glm::vec3(-0.04f, 0.018f, -0.133f), {0.018f, 0.01f, 0.004f});
    AddBox(mesh, headCenter + glm::vec3(0.04f, 0.018f, -0.133f), {0.018f, 0.01f, 0.004f});

    // Arms: shoulder, upper arm, elbow, wrapped forearm, hand.
    for (const bool right : {true, false}) {
        const int shoulder = right ? rig.shoulderR : rig.shoulderL;
        const int elbow = right ? rig.elbowR : rig.elbowL;
        const int hand = right ? rig.handR : rig.handL;
        UsePart(mesh, atlasSize, kNinjaCloth, shoulder);
        AddSphere(mesh, at(shoulder), 0.075f * b, 10, 6);
        AddTube(mesh, at(shoulder), at(elbow), 0.062f * b, 0.05f * b, 8);
        UsePart(mesh, atlasSize, kNinjaCloth, elbow);
        AddSphere(mesh, at(elbow), 0.05f * b, 8, 5);
        UsePart(mesh, atlasSize, kNinjaAccent, elbow);
        AddTube(mesh, at(elbow), at(hand), 0.05f * b, 0.042f * b, 8);
        UsePart(mesh, atlasSize, kNinjaSkin, hand);
        AddEllipsoid(mesh, at(hand) + glm::vec3(0.0f, -0.055f, 0.0f), {0.038f, 0.06f, 0.048f}, 8, 6);
    }

    // Legs: thigh, knee, wrapped shin, foot.
    for (const bool right : {true, false}) {
        const int thigh = right ? rig.hipR : rig.hipL;
        const int knee = right ? rig.kneeR : rig.kneeL;
        const int foot = right ? rig.footR : rig.footL;
        UsePart(mesh, atlasSize, kNinjaCloth, thigh);
        AddTube(mesh, at(thigh) + glm::vec3(0.0f, 0.04f, 0.0f), at(knee), 0.095f * b, 0.075f * b, 10);
        UsePart(mesh, atlasSize, kNinjaCloth, knee);
        AddSphere(mesh, at(knee), 0.07f * b, 8, 5);
        UsePart(mesh, atlasSize, kNinjaAccent, knee);
        AddTube(mesh, at(knee), at(foot), 0.068f * b, 0.05f, 8);
        UsePart(mesh, atlasSize, kNinjaCloth, foot);
        const float sole = at(foot).y;
        AddBox(mesh, at(foot) + glm::vec3(0.0f, -0.5f * sole + 0.005f, -0.05f), {0.052f, 0.5f * sole, 0.12f});
    }
}
