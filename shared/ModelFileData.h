// The contents of a model file as plain data: what the parser produces and what the writer writes.
//
// Layout (little-endian, int32 signed, float IEEE 32-bit):
//   132-byte header (not interpreted), animated flag (uint8, nonzero = skinned), vertex count n (int32),
//   n vertices (44 bytes, or 60 when skinned), diffuse texture block, normal-map texture block,
//   animation count (int32) and the animations, box count (int32) and boxes (centre, half-sizes),
//   point count (int32) and points (four floats), sphere count (int32) and spheres (centre, radius).
// A texture block is width, height and bytes per pixel (three int32), then width * height * bytes-per-pixel
// pixel bytes, RGBA rows; a product below 1 means "no texture" and no pixel bytes follow.
// An animation is a 64-byte zero-terminated name, the frame count F and the joint count J (int32), F - 1
// joint trees in pre-order (148-byte nodes: name, translation, rotation, orientation, 36 reserved bytes,
// child count), then J joint records (two row-major 4 x 4 float matrices).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shared/CollisionShapes.h"
#include "shared/Float4.h"
#include "shared/ModelAnimation.h"
#include "shared/ModelVertex.h"

inline constexpr std::size_t kModelHeaderSize = 132;
inline constexpr std::size_t kModelNameSize = 64;  // names hold at most 63 bytes before their zero
inline constexpr std::int32_t kMaxModelBoxes = 9;
inline constexpr std::int32_t kMaxModelPoints = 99;
inline constexpr std::int32_t kMaxModelSpheres = 9;
// A skinned vertex names its joints with one byte each, so no more joints than that can take part in
// skinning; the cap also bounds the depth of every joint tree.
inline constexpr std::int32_t kMaxModelJoints = 256;
// Textures are created with 4 bytes per pixel, so every block that holds pixels must have 4.
inline constexpr std::int32_t kModelTextureBytesPerPixel = 4;

// Sizes of the file's records in bytes.
inline constexpr std::size_t kModelVertexSize = 44;
inline constexpr std::size_t kModelAnimatedVertexSize = 60;
inline constexpr std::size_t kModelTextureHeadSize = 12;
inline constexpr std::size_t kModelAnimationHeadSize = 72;
inline constexpr std::size_t kModelJointNodeSize = 148;
inline constexpr std::size_t kModelJointNodeReservedSize = 36;
inline constexpr std::size_t kModelJointRecordSize = 128;
inline constexpr std::size_t kModelBoxSize = 24;
inline constexpr std::size_t kModelPointSize = 16;
inline constexpr std::size_t kModelSphereSize = 16;

struct ModelTexture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bytesPerPixel = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 4 bytes, or empty when the model has no texture

    bool HasPixels() const { return !pixels.empty(); }

    friend bool operator==(const ModelTexture&, const ModelTexture&) = default;
};

struct ModelFileData {
    std::array<std::uint8_t, kModelHeaderSize> header{};
    bool animated = false;
    std::vector<Vertex> vertices;                  // used when not animated
    std::vector<VertexAnimated> animatedVertices;  // used when animated
    ModelTexture diffuse;
    ModelTexture normalMap;
    std::vector<ModelAnimation> animations;
    std::vector<CollisionBox> boxes;  // the file holds centre and half-sizes; the radius is derived
    std::vector<Float4> points;
    std::vector<CollisionSphere> spheres;

    std::size_t VertexCount() const { return animated ? animatedVertices.size() : vertices.size(); }

    friend bool operator==(const ModelFileData&, const ModelFileData&) = default;
};
