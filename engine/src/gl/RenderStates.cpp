#include "gl/RenderStates.h"

namespace Lumaspace {

namespace {

// Direct3D's INCR and DECR wrap around; its INCR_SAT clamps, which is GL_INCR.
constexpr StencilFace kCountFaces{GL_KEEP, GL_INCR_WRAP, GL_KEEP, GL_ALWAYS};
constexpr StencilFace kUncountFaces{GL_KEEP, GL_DECR_WRAP, GL_KEEP, GL_ALWAYS};
constexpr StencilFace kMarkFront{GL_KEEP, GL_KEEP, GL_INCR, GL_ALWAYS};
constexpr StencilFace kKeepWhereZero{GL_KEEP, GL_KEEP, GL_KEEP, GL_EQUAL};
constexpr StencilFace kNever{GL_KEEP, GL_KEEP, GL_KEEP, GL_NEVER};
constexpr StencilFace kUnused{GL_KEEP, GL_KEEP, GL_KEEP, GL_ALWAYS};

constexpr DepthStencilDescription kDescriptions[] = {
    {true, true, true, kCountFaces, kUncountFaces},   // Enabled
    {true, false, true, kCountFaces, kUncountFaces},  // Particle
    {false, false, false, kUnused, kUnused},          // Disabled
    {true, true, true, kMarkFront, kNever},           // OutlinePassOne
    {true, true, true, kKeepWhereZero, kNever},       // OutlinePassTwo
};

void ApplyStencilFace(GLenum face, const StencilFace& description) {
    glStencilFuncSeparate(face, description.function, 0, 0xFF);
    glStencilOpSeparate(face, description.fail, description.depthFail, description.pass);
}

}  // namespace

const DepthStencilDescription& Describe(DepthStencilState state) {
    return kDescriptions[static_cast<int>(state)];
}

void ApplyBlendState(BlendState state) {
    glBlendColor(0.0f, 0.0f, 0.0f, 0.0f);
    glBlendEquationSeparate(GL_FUNC_ADD, GL_FUNC_ADD);
    if (state == BlendState::PointLight) {
        glBlendFuncSeparate(GL_ONE, GL_ONE, GL_ONE, GL_ONE);
    } else {
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ZERO);
    }
    if (state == BlendState::AlphaOff) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
    }
}

void ApplyDepthStencilState(DepthStencilState state) {
    const DepthStencilDescription& description = Describe(state);
    if (description.depthTest) {
        glEnable(GL_DEPTH_TEST);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
    glDepthFunc(GL_LESS);
    glDepthMask(description.depthWrite ? GL_TRUE : GL_FALSE);
    if (description.stencilTest) {
        glEnable(GL_STENCIL_TEST);
    } else {
        glDisable(GL_STENCIL_TEST);
    }
    glStencilMask(0xFF);
    ApplyStencilFace(GL_FRONT, description.front);
    ApplyStencilFace(GL_BACK, description.back);
}

void ApplyRasterizerState(bool cullBackFaces) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    if (cullBackFaces) {
        glEnable(GL_CULL_FACE);
    } else {
        glDisable(GL_CULL_FACE);
    }
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_DEPTH_CLAMP);
}

}  // namespace Lumaspace
