// The fixed blend, depth-stencil and rasterizer states the frame protocol switches between. GL keeps state in
// the context instead of state objects, so each state is a description applied in full when it is bound.
#pragma once

#include <epoxy/gl.h>

namespace Lumaspace {

enum class BlendState { AlphaOn, AlphaOff, PointLight };

enum class DepthStencilState { Enabled, Particle, Disabled, OutlinePassOne, OutlinePassTwo };

struct StencilFace {
    GLenum fail;
    GLenum depthFail;
    GLenum pass;
    GLenum function;
};

struct DepthStencilDescription {
    bool depthTest;
    bool depthWrite;
    bool stencilTest;
    StencilFace front;
    StencilFace back;
};

const DepthStencilDescription& Describe(DepthStencilState state);

// Blend factor (0, 0, 0, 0), colour target 0, all channels written.
void ApplyBlendState(BlendState state);
// Stencil reference 0, read and write masks 0xFF.
void ApplyDepthStencilState(DepthStencilState state);
// Solid fill, clockwise front faces, back faces culled or nothing culled, depth clipping on, no scissor.
void ApplyRasterizerState(bool cullBackFaces);

}  // namespace Lumaspace
