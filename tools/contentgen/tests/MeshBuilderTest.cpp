// Primitives through the mesh builder: whatever the placement (turned, stretched, mirrored), every
// triangle runs clockwise round its normals and carries unit normals and tangents, as the model check
// demands of every generated model.
#include <gtest/gtest.h>

#include <functional>

#include "check/ModelCheck.h"
#include "mesh/Placement.h"
#include "mesh/Primitives.h"

namespace {

struct Shape {
    const char* name;
    std::function<void(MeshBuilder&)> add;
};

struct Placing {
    const char* name;
    glm::mat4 placement;
};

std::vector<std::string> MeshProblems(const MeshBuilder& mesh) {
    ModelFileData file;
    file.vertices = mesh.StaticVertices();
    Problems problems;
    CheckMesh("mesh", file, problems);
    return problems.List();
}

}  // namespace

TEST(MeshBuilder, PrimitivesFaceOutwardUnderAnyPlacement) {
    const std::vector<Shape> shapes = {
        {"box",
         [](MeshBuilder& m) {
             AddBox(m, {0.1f, 0.2f, 0.3f}, {0.5f, 1.0f, 0.25f});
         }},
        {"cylinder", [](MeshBuilder& m) { AddFrustum(m, 0.5f, 0.5f, 0.0f, 2.0f, 12); }},
        {"cone", [](MeshBuilder& m) { AddFrustum(m, 0.5f, 0.0f, 0.0f, 1.0f, 9); }},
        {"widening frustum", [](MeshBuilder& m) { AddFrustum(m, 0.2f, 0.7f, -1.0f, 0.5f, 10); }},
        {"tube",
         [](MeshBuilder& m) {
             AddTube(m, {0.0f, 0.0f, 0.0f}, {1.0f, -2.0f, 0.5f}, 0.3f, 0.1f, 8);
         }},
        {"tube straight down",
         [](MeshBuilder& m) {
             AddTube(m, {0.0f, 1.0f, 0.0f}, {0.0f, -1.0f, 0.0f}, 0.3f, 0.3f, 8);
         }},
        {"sphere",
         [](MeshBuilder& m) {
             AddSphere(m, {0.0f, 1.0f, 0.0f}, 0.8f, 12, 8);
         }},
        {"ring", [](MeshBuilder& m) { AddRing(m, 0.5f, 1.0f, 0.0f, 16); }},
        {"disc", [](MeshBuilder& m) { AddRing(m, 0.0f, 1.0f, 0.0f, 16); }},
        {"sector", [](MeshBuilder& m) { AddSector(m, 0.0f, 1.0f, -0.8f, 0.8f, 0.0f, 6); }},
        {"star prism",
         [](MeshBuilder& m) {
             AddPrism(m,
                      {{1.0f, 0.0f},
                       {0.2f, 0.2f},
                       {0.0f, 1.0f},
                       {-0.2f, 0.2f},
                       {-1.0f, 0.0f},
                       {-0.2f, -0.2f},
                       {0.0f, -1.0f},
                       {0.2f, -0.2f}},
                      -0.1f, 0.1f);
         }},
        {"clockwise prism",
         [](MeshBuilder& m) {
             AddPrism(m, {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, 0.0f, 1.0f);
         }},
        {"ground", [](MeshBuilder& m) { AddGround(m, -5.0f, -5.0f, 5.0f, 5.0f, 3, 2); }},
    };
    const std::vector<Placing> placings = {
        {"as built", glm::mat4(1.0f)},
        {"turned and moved", Place({3.0f, -1.0f, 2.0f}, EulerRotation(0.7f, -1.9f, 0.3f))},
        {"stretched", Place({0.0f, 0.0f, 0.0f}, EulerRotation(0.2f, 0.4f, 0.0f), {2.0f, 0.3f, 1.2f})},
        {"mirrored", Place({1.0f, 0.0f, 0.0f}, glm::quat(1, 0, 0, 0), {-1.0f, 1.0f, 1.0f})},
    };
    for (const Shape& shape : shapes) {
        for (const Placing& placing : placings) {
            MeshBuilder mesh;
            mesh.SetPlacement(placing.placement);
            shape.add(mesh);
            EXPECT_GT(mesh.CornerCount(), 0u) << shape.name;
            EXPECT_TRUE(MeshProblems(mesh).empty())
                << shape.name << ", " << placing.name << ": " << MeshProblems(mesh).front();
        }
    }
}

TEST(MeshBuilder, TangentsFollowTheTextureAcross) {
    MeshBuilder mesh;
    mesh.SetUvMapping(UvMapping{{0.0f, 0.0f}, {1.0f, 1.0f}, 0.25f});
    AddGround(mesh, -2.0f, -2.0f, 2.0f, 2.0f, 2, 2);
    for (const Vertex& v : mesh.StaticVertices()) {
        EXPECT_NEAR(v.tangent.x, 1.0f, 1e-5f);
        EXPECT_NEAR(v.texcoord[0], 0.25f * v.position.x, 1e-5f);
        EXPECT_NEAR(v.texcoord[1], 0.25f * v.position.z, 1e-5f);
    }
}

TEST(MeshBuilder, DegenerateTrianglesAreDropped) {
    MeshBuilder mesh;
    const MeshVertex a{{0, 0, 0}, {0, 1, 0}, {}, {}};
    const MeshVertex b{{1, 0, 0}, {0, 1, 0}, {}, {}};
    mesh.AddTriangle(a, b, b);
    mesh.AddTriangle(a, a, a);
    EXPECT_EQ(mesh.CornerCount(), 0u);
}

TEST(MeshBuilder, SkinnedCornersCarryTheirWholeWeightOnTheirJoint) {
    MeshBuilder mesh;
    mesh.SetJoint(7);
    AddBox(mesh, {0, 0, 0}, {1, 1, 1});
    mesh.SetJoint(2);
    AddSphere(mesh, {0, 2, 0}, 0.5f, 6, 4);
    const std::vector<VertexAnimated> vertices = mesh.SkinnedVertices();
    ASSERT_EQ(vertices.size(), mesh.CornerCount());
    EXPECT_EQ(vertices.front().boneIndices[0], 7);
    EXPECT_EQ(vertices.back().boneIndices[0], 2);
    for (const VertexAnimated& v : vertices) {
        EXPECT_EQ(v.weights[0], 1.0f);
        EXPECT_EQ(v.weights[1] + v.weights[2], 0.0f);
        EXPECT_EQ(v.boneIndices[3], 0);
    }
}
