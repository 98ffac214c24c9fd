// The screen-space passes over the G-buffers: the composition (the directional light with shadows and ambient
// occlusion, then one additive screen rectangle per point light), ambient occlusion at half size with its two
// blurs, and the two halves of depth of field. Every pass draws one full-screen triangle (the lights one
// point each) into a target bound alone, without depth, and samples only textures that are not attached to
// it. Each pass binds its samplers to the units of the textures it reads.
#pragma once

#include <epoxy/gl.h>

#include <cstddef>
#include <initializer_list>
#include <span>

#include <glm/mat4x4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "Lumagrid/EngineTypes.h"
#include "gl/GraphicsDevice.h"
#include "gl/Samplers.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class ScreenSpace {
public:
    // Side of the random-vector texture.
    static constexpr int kRandomSide = 256;

    // Loads the programs, buffers, samplers and the random vectors, and clears the ambient-occlusion targets
    // to 1 so that a composition before the first RenderSSAO sees no occlusion.
    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics, const ScreenTargets& targets);
    void Shutdown();

    // The composition's light (its direction turned into view space), the camera's projection and the
    // transform from view space to the shadow map's clip space (inverse view, then the light's view and
    // projection).
    void SetScreenBuffer(const DirectionalLight& light, const glm::mat4& projection, const glm::mat4& view,
                         const glm::mat4& lightView, const glm::mat4& lightProjection) const;
    // Rewrites the light buffer with the visible lights (view-space positions); it grows when needed.
    void SetLightBuffer(std::span<const PointLight> lights);
    // The projection, the projection into texture coordinates and the 14 offsets.
    void SetSSAOBuffer(const glm::mat4& projection) const;

    // The directional pass and `lights` light rectangles, added into the forward target or the back buffer.
    // The shadow map with its sampler, the width block and the fog block are bound by the scene pipeline
    // beforehand.
    void Composition(GraphicsDevice& device, PassTarget target, std::size_t lights) const;
    // Occlusion into target 0, blurred across into target 1 and back.
    void RenderSSAO(const GraphicsDevice& device) const;
    void ClearSSAO(const GraphicsDevice& device) const { device.Targets().ClearAmbientOcclusion(); }
    // The forward target blurred where out of focus, ending in the back buffer; depth testing stays off.
    void ApplyDOF(GraphicsDevice& device) const;

private:
    bool LoadPrograms(ProgramCache& programs, DiagnosticSink& diagnostics);
    bool CreateResources(DiagnosticSink& diagnostics);
    // Unbinds texture units 3 to 6, binds the target alone and the textures, and draws the full-screen
    // triangle with program.
    void Pass(const GraphicsDevice& device, PassTarget target, GLuint program,
              std::initializer_list<UnitTexture> textures) const;

    GLuint m_composition = 0;
    GLuint m_pointLights = 0;
    GLuint m_occlusion = 0;
    GLuint m_occlusionBlurH = 0;
    GLuint m_occlusionBlurV = 0;
    GLuint m_focusBlurH = 0;
    GLuint m_focusBlurV = 0;

    DiagnosticSink* m_diagnostics = nullptr;
    GLuint m_screenBuffer = 0;
    GLuint m_occlusionBuffer = 0;
    GLuint m_lightBuffer = 0;
    GLuint m_lightTexture = 0;
    std::size_t m_lightCapacity = 0;
    GLuint m_randomVectors = 0;
    GLuint m_depthSampler = 0;
    GLuint m_randomSampler = 0;
    GLuint m_blurSampler = 0;
};

}  // namespace Lumaspace
