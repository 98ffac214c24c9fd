// Value types that cross the engine's interface by value: ground-plane points and lines, lights, and the two
// vertex records every model vertex buffer holds. The sizes are part of the contract (vertex buffers and GPU
// buffers copy these records byte for byte), so each is pinned by a static_assert.
#pragma once

#include <cstddef>
#include <cstdint>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

namespace Lumaspace {

// A point of the arena's ground plane: x is world x, y is world z.
struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

// A segment of the ground plane.
struct Line {
    Point start;
    Point end;
};

// One point light as the light buffer stores it; the engine replaces position with the view-space position
// while it builds a frame's light buffer.
struct PointLight {
    glm::vec4 ambient{0.0f};
    glm::vec4 diffuse{0.0f};
    glm::vec4 specular{0.0f};
    glm::vec3 position{0.0f};
    float range = 0.0f;
};

// The scene's sun: colours, the world direction the light travels (w = 0) and the eye's world position.
struct DirectionalLight {
    glm::vec4 ambient{0.0f};
    glm::vec4 diffuse{0.0f};
    glm::vec4 specular{0.0f};
    glm::vec4 direction{0.0f};
    glm::vec4 cameraPosition{0.0f};
};

// A static model vertex.
struct Vertex {
    glm::vec3 position{0.0f};
    glm::vec2 texcoord{0.0f};
    glm::vec3 normal{0.0f};
    glm::vec3 tangent{0.0f};
};

// A skinned model vertex: the Vertex fields at the same offsets, then three bone weights and four bone
// indices.
struct VertexAnimated {
    glm::vec3 position{0.0f};
    glm::vec2 texcoord{0.0f};
    glm::vec3 normal{0.0f};
    glm::vec3 tangent{0.0f};
    glm::vec3 weights{0.0f};
    std::uint8_t boneIndices[4] = {};
};

// Which vector CreateBuffer reads.
enum BUFFERTYPE : std::int32_t {
    BUFFERTYPE_STATIC = 0,
    BUFFERTYPE_ANIMATED = 1,
};

static_assert(sizeof(glm::mat4) == 64, "matrices cross the interface as 16 packed floats");
static_assert(sizeof(Point) == 8 && sizeof(Line) == 16);
static_assert(sizeof(PointLight) == 64);
static_assert(offsetof(PointLight, position) == 48 && offsetof(PointLight, range) == 60);
static_assert(sizeof(DirectionalLight) == 80);
static_assert(sizeof(Vertex) == 44);
static_assert(offsetof(Vertex, texcoord) == 12 && offsetof(Vertex, normal) == 20 &&
              offsetof(Vertex, tangent) == 32);
static_assert(sizeof(VertexAnimated) == 60);
static_assert(offsetof(VertexAnimated, weights) == 44 && offsetof(VertexAnimated, boneIndices) == 56);

}  // namespace Lumaspace
