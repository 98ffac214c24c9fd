// The vertex records of a model file, byte for byte as the file stores them and as the graphics engine's
// vertex buffers lay them out: a static vertex of 44 bytes and a skinned vertex of 60 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shared/Float3.h"

struct Vertex {
    Float3 position;
    float texcoord[2] = {};
    Float3 normal;
    Float3 tangent;

    friend bool operator==(const Vertex&, const Vertex&) = default;
};

// The four fields of Vertex at the same offsets, then three blend weights and four joint indices.
struct VertexAnimated {
    Float3 position;
    float texcoord[2] = {};
    Float3 normal;
    Float3 tangent;
    float weights[3] = {};
    std::uint8_t boneIndices[4] = {};

    friend bool operator==(const VertexAnimated&, const VertexAnimated&) = default;
};

static_assert(sizeof(Vertex) == 44);
static_assert(offsetof(Vertex, texcoord) == 12);
static_assert(offsetof(Vertex, normal) == 20);
static_assert(offsetof(Vertex, tangent) == 32);

static_assert(sizeof(VertexAnimated) == 60);
static_assert(offsetof(VertexAnimated, texcoord) == 12);
static_assert(offsetof(VertexAnimated, normal) == 20);
static_assert(offsetof(VertexAnimated, tangent) == 32);
static_assert(offsetof(VertexAnimated, weights) == 44);
static_assert(offsetof(VertexAnimated, boneIndices) == 56);
