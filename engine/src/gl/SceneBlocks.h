// The uniform blocks of the scene, depth and screen-space pipelines as their shaders read them (std140: every
// member a mat4 or vec4, so the C++ layout is the GLSL one). Matrices are stored as the client built them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

#include "Lumagrid/EngineTypes.h"

namespace Lumaspace {

// The most bone matrices a skinned draw uploads.
inline constexpr std::size_t kBoneBlockMatrices = kMaxBones;

// Vertex slot 0 of the scene passes. The reversed-shadow pass puts the visibility texture's view and
// projection in place of the light's. The products after them are made once per draw, so that a vertex needs
// one matrix per space it goes to.
struct SceneMatricesBlock {
    glm::mat4 world{1.0f};
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    glm::mat4 lightView{1.0f};
    glm::mat4 lightProjection{1.0f};
    glm::mat4 worldView{1.0f};
    glm::mat4 worldViewProjection{1.0f};
    glm::mat4 worldLight{1.0f};  // world into the light's clip space

    // placed: the matrix the products start from (the world matrix, or the identity where each instance
    // brings its own).
    static SceneMatricesBlock Make(const glm::mat4& world, const glm::mat4& placed, const glm::mat4& view,
                                   const glm::mat4& projection, const glm::mat4& lightView,
                                   const glm::mat4& lightProjection) {
        const glm::mat4 worldView = view * placed;
        return {world,
                view,
                projection,
                lightView,
                lightProjection,
                worldView,
                projection * worldView,
                lightProjection * lightView * placed};
    }
};

// Vertex slot 0 of the outline passes: the camera, the outline colour, and how far (normalised device units
// per axis) the second pass pushes the silhouette outwards.
struct OutlineMatricesBlock {
    glm::mat4 world{1.0f};
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    glm::vec4 colour{0.0f};
    glm::vec4 enlargement{0.0f};
    glm::mat4 worldViewProjection{1.0f};  // made once per draw
};

// Vertex slot 2 of the skinned passes.
struct BonesBlock {
    glm::mat4 bones[kBoneBlockMatrices];
};

// The block of a skinned draw: the first 30 of the given bones, identities after them.
inline BonesBlock BonesFrom(std::span<const glm::mat4> bones) {
    BonesBlock block;
    const std::size_t given = std::min(bones.size(), kBoneBlockMatrices);
    std::copy_n(bones.begin(), given, block.bones);
    std::fill(block.bones + given, block.bones + kBoneBlockMatrices, glm::mat4(1.0f));
    return block;
}

// Vertex slot 0 of the shadow-map passes.
struct DepthMatricesBlock {
    glm::mat4 world{1.0f};
    glm::mat4 lightView{1.0f};
    glm::mat4 lightProjection{1.0f};
    glm::mat4 worldLight{1.0f};  // world into the light's clip space, made once per draw
};

// Vertex slot 7 and pixel slot 0 of the screen-space passes: the directional light with its direction in view
// space, the camera's projection and the transform from view space to the shadow map's clip space.
struct ScreenBlock {
    DirectionalLight light;
    glm::mat4 projection{1.0f};
    glm::mat4 viewToShadow{1.0f};
};

// Pixel slot 4 of the ambient-occlusion passes.
struct AmbientOcclusionBlock {
    static constexpr int kOffsets = 14;
    glm::mat4 projection{1.0f};
    glm::mat4 projectionToTexture{1.0f};
    glm::vec4 offsets[kOffsets];
};

static_assert(sizeof(SceneMatricesBlock) == 512);
static_assert(sizeof(OutlineMatricesBlock) == 288);
static_assert(sizeof(BonesBlock) == 1920);
static_assert(sizeof(DepthMatricesBlock) == 256);
static_assert(sizeof(ScreenBlock) == 208);
static_assert(sizeof(AmbientOcclusionBlock) == 352);

}  // namespace Lumaspace
