// How the pipelines' register slots map onto GL binding points. Uniform-buffer binding points are shared by
// all stages in GL, so each stage gets a range of its own; texture units are shared too, and a texture slot's
// number is its unit in every stage (the pipelines never put different textures in the same slot of two
// stages).
#pragma once

#include <epoxy/gl.h>

namespace Lumaspace {

constexpr GLuint kSlotsPerStage = 12;

constexpr GLuint VertexBufferSlot(GLuint slot) {
    return slot;
}
constexpr GLuint GeometryBufferSlot(GLuint slot) {
    return kSlotsPerStage + slot;
}
constexpr GLuint PixelBufferSlot(GLuint slot) {
    return 2 * kSlotsPerStage + slot;
}

constexpr GLuint TextureUnit(GLuint slot) {
    return slot;
}

// Vertex input locations by semantic; every vertex shader declares its inputs with these locations.
enum VertexLocation : GLuint {
    kPositionLocation = 0,
    kTexcoordLocation = 1,
    kNormalLocation = 2,
    kTangentLocation = 3,
    kWeightLocation = 4,
    kBoneIndexLocation = 5,
    kInstanceLocation = 6,  // four consecutive locations, one matrix column each
    kColourLocation = 10,
    // The effect vertices' own semantics: a sprite's size, a rotation or facing angle, a ribbon's width, a
    // sample's lifetime and age, and a 0-or-1 flag.
    kSizeLocation = 11,
    kRotationLocation = 12,
    kWidthLocation = 13,
    kTimesLocation = 14,
    kFlagLocation = 15,
    kVertexLocationCount = 16,
};

}  // namespace Lumaspace
