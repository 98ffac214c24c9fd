// The vertex layouts of the scene and depth pipelines: which attribute locations each reads, from which byte
// of the 44-byte Vertex, the 60-byte VertexAnimated, the 12-byte line vertex and the 64-byte instance matrix.
#pragma once

#include <epoxy/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "Lumagrid/EngineTypes.h"
#include "gl/BindingSlots.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

inline constexpr GLsizei kStaticStride = sizeof(Vertex);
inline constexpr GLsizei kAnimatedStride = sizeof(VertexAnimated);
inline constexpr GLsizei kLineStride = 12;
inline constexpr GLsizei kInstanceStride = 64;

// A layout: the attributes read from the vertex buffer, and whether slot 1 feeds an instance matrix.
struct SceneLayout {
    std::span<const VertexAttribute> attributes;
    bool instanced = false;

    // The locations the layout feeds, as a mask for UseVertexLocations.
    std::uint32_t LocationMask() const {
        std::uint32_t mask = 0;
        for (const VertexAttribute& attribute : attributes) {
            mask |= 1u << attribute.location;
        }
        if (instanced) {
            for (GLuint column = 0; column < 4; ++column) {
                mask |= 1u << (kInstanceLocation + column);
            }
        }
        return mask;
    }

    // The same locations as a list (what a program's vertex inputs are checked against).
    std::vector<GLuint> Locations() const {
        std::vector<GLuint> locations;
        for (GLuint location = 0; location < kVertexLocationCount; ++location) {
            if ((LocationMask() >> location) & 1u) {
                locations.push_back(location);
            }
        }
        return locations;
    }

    // The byte just past the last attribute of a vertex.
    GLuint End() const {
        GLuint end = 0;
        for (const VertexAttribute& attribute : attributes) {
            const GLuint size = attribute.type == GL_FLOAT ? 4u : 1u;
            end = std::max(end, attribute.offset + size * static_cast<GLuint>(attribute.components));
        }
        return end;
    }
};

// How many of the first `count` vertices (stride bytes apart) the buffer holds with every attribute of the
// layout: 0 for no buffer or a count below 1. A draw never reads past the buffer, whatever the caller says.
GLsizei FittingVertices(GLuint buffer, int count, GLsizei stride, const SceneLayout& layout);

inline constexpr VertexAttribute kStaticAttributes[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(Vertex, position)},
    {kTexcoordLocation, 2, GL_FLOAT, false, offsetof(Vertex, texcoord)},
    {kNormalLocation, 3, GL_FLOAT, false, offsetof(Vertex, normal)},
    {kTangentLocation, 3, GL_FLOAT, false, offsetof(Vertex, tangent)},
};

inline constexpr VertexAttribute kAnimatedAttributes[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, position)},
    {kTexcoordLocation, 2, GL_FLOAT, false, offsetof(VertexAnimated, texcoord)},
    {kNormalLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, normal)},
    {kTangentLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, tangent)},
    {kWeightLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, weights)},
    {kBoneIndexLocation, 4, GL_UNSIGNED_BYTE, true, offsetof(VertexAnimated, boneIndices)},
};

inline constexpr VertexAttribute kOutlineAttributes[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, position)},
    {kWeightLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, weights)},
    {kBoneIndexLocation, 4, GL_UNSIGNED_BYTE, true, offsetof(VertexAnimated, boneIndices)},
};

inline constexpr VertexAttribute kLineAttributes[] = {
    {kPositionLocation, 3, GL_FLOAT, false, 0},
};

inline constexpr VertexAttribute kDepthAttributes[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(Vertex, position)},
    {kTexcoordLocation, 2, GL_FLOAT, false, offsetof(Vertex, texcoord)},
};

inline constexpr VertexAttribute kDepthAnimatedAttributes[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, position)},
    {kTexcoordLocation, 2, GL_FLOAT, false, offsetof(VertexAnimated, texcoord)},
    {kWeightLocation, 3, GL_FLOAT, false, offsetof(VertexAnimated, weights)},
    {kBoneIndexLocation, 4, GL_UNSIGNED_BYTE, true, offsetof(VertexAnimated, boneIndices)},
};

// The four columns of an instance's world matrix, read once per instance from vertex-buffer slot 1.
inline constexpr VertexAttribute kInstanceAttributes[] = {
    {kInstanceLocation + 0, 4, GL_FLOAT, false, 0},
    {kInstanceLocation + 1, 4, GL_FLOAT, false, 16},
    {kInstanceLocation + 2, 4, GL_FLOAT, false, 32},
    {kInstanceLocation + 3, 4, GL_FLOAT, false, 48},
};

inline constexpr SceneLayout kStaticLayout{kStaticAttributes, false};
inline constexpr SceneLayout kInstancedLayout{kStaticAttributes, true};
inline constexpr SceneLayout kAnimatedLayout{kAnimatedAttributes, false};
inline constexpr SceneLayout kOutlineLayout{kOutlineAttributes, false};
inline constexpr SceneLayout kLineLayout{kLineAttributes, false};
inline constexpr SceneLayout kDepthLayout{kDepthAttributes, false};
inline constexpr SceneLayout kDepthInstancedLayout{kDepthAttributes, true};
inline constexpr SceneLayout kDepthAnimatedLayout{kDepthAnimatedAttributes, false};

}  // namespace Lumaspace
