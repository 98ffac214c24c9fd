// The sampler objects of the scene and screen-space pipelines besides the linear wrapping one
// (EffectParts.h). GL pairs a sampler with a texture unit, so a pass binds each sampler to the units of the
// textures it filters.
#pragma once

#include <epoxy/gl.h>

#include <initializer_list>

namespace Lumaspace {

enum class SamplerKind {
    Shadow,         // trilinear, clamped: the shadow map
    AmbientDepth,   // bilinear, border (0, 0, 0, 100000): depth read by ambient occlusion off screen gives 0
    AmbientRandom,  // bilinear, wrapped: the random vectors
    Blur,           // bilinear, clamped: the blurs and depth of field
};

// A sampler object of the kind; 0 when GL refuses.
GLuint CreateSampler(SamplerKind kind);

// Binds the sampler to each unit.
void BindSampler(GLuint sampler, std::initializer_list<GLuint> units);

struct UnitTexture {
    GLuint unit;
    GLuint texture;
};
// Binds each 2D texture to its unit, leaving unit 0 active (as the rest of the engine expects).
void BindTextures(std::initializer_list<UnitTexture> textures);

}  // namespace Lumaspace
