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

// One sample of a trail as its ribbon pass reads it (48 bytes): where the owner was, which way it faced
// (radians about y), the ribbon's width, the sample's lifetime and age in seconds, its colour, and 1 for the
// segment end that trails behind the owner.
struct TrailPoint {
    glm::vec3 position{0.0f};
    float angle = 0.0f;
    float width = 0.0f;
    float lifetime = 0.0f;
    float age = 0.0f;
    glm::vec4 colour{0.0f};
    float tail = 0.0f;
};

// A vertex of a textured world sheet (the sudden-death sheet): position and texture coordinate, 20 bytes.
struct SheetVertex {
    glm::vec3 position{0.0f};
    glm::vec2 uv{0.0f};
};

// The most bone matrices one skinned draw takes; longer lists are cut to this many.
inline constexpr std::size_t kMaxBones = 30;

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
static_assert(sizeof(TrailPoint) == 48 && offsetof(TrailPoint, colour) == 28 &&
              offsetof(TrailPoint, tail) == 44);
static_assert(sizeof(SheetVertex) == 20);
static_assert(sizeof(VertexAnimated) == 60);
static_assert(offsetof(VertexAnimated, weights) == 44 && offsetof(VertexAnimated, boneIndices) == 56);

}  // namespace Lumaspace
