// The scene pipelines: static, instanced and skinned models into the G-buffers, static models lit straight
// into the bound target (forward), line lists, the two outline passes around skinned models and the
// reversed-shadow overlay. Prepare operations choose the vertex stage (static or skinned; the instanced and
// forward draws choose their own), and the pixel stage stays the last one chosen (G-buffer or forward), so a
// draw without its prepare uses the last pipeline this component set up. Per-draw data is written into the
// uniform blocks right before the draw; camera and light matrices come from the frame record.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <span>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "SceneData.h"
#include "gl/SceneLayouts.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class SceneShader {
public:
    // The outline's width on screen, in back-buffer pixels.
    static constexpr float kOutlinePixels = 3.0f;

    // Loads the programs (a missing or broken outline program is only reported: outlines then draw nothing),
    // the samplers and the uniform blocks. targetWidth and targetHeight are the back buffer's size.
    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics, int targetWidth, int targetHeight);
    void Shutdown();

    // Scene state: each writes its block and binds it to its slot (fog vertex 1, light pixel 0, shadow-map
    // width pixel 1). The shadow-map width block lives until Shutdown.
    void SetFog(const glm::vec3& fog) const;
    void SetDirectionalLight(const DirectionalLight& light) const;
    void SetShadowMapWidth(float width) const;
    // Binds the shadow map at slot 2 with the shadow sampler, the width block and the fog block: what the
    // composition reads of the scene pass.
    void BindCompositionInputs(GLuint shadowMap) const;
    // A 1 x 1 shadow map at the far depth, for passes that run before any shadow map was set: nothing is in
    // shadow.
    GLuint NoShadowMap() const { return m_noShadowMap; }

    // One model draw: count vertices of buffer (fewer when the buffer holds fewer), moved by world.
    struct Model {
        GLuint buffer = 0;
        int count = 0;
        glm::mat4 world{1.0f};
        GLuint texture = 0;
        GLuint normalMap = 0;
    };

    // Skinned vertex stage, G-buffer pixel stage, the shadow map at slot 2.
    void PrepareAnimated(GLuint shadowMap);
    // Static vertex stage; the pixel stage stays.
    void PrepareScene();
    // At most 30 bones are uploaded; the block's other matrices are identities.
    void RenderAnimated(const Model& model, std::span<const glm::mat4> bones, const FrameRecord& frame);
    void RenderScene(const Model& model, const FrameRecord& frame);
    // One copy per instance matrix of the instance buffer; instanceCount 0 draws nothing.
    void RenderInstanced(const Model& model, GLuint instances, int instanceCount, GLuint shadowMap,
                         const FrameRecord& frame);
    void RenderForward(const Model& model, GLuint shadowMap, const FrameRecord& frame);
    void RenderLines(GLuint buffer, int count, const glm::vec3& colour, const glm::mat4& world,
                     const FrameRecord& frame) const;
    // The outline's first pass (silhouette into the bound depth-stencil buffer) and second pass (the model
    // enlarged by kOutlinePixels in the colour).
    void RenderOutlineDepth(GLuint buffer, int count, const glm::mat4& world,
                            std::span<const glm::mat4> bones, const FrameRecord& frame) const;
    void RenderOutline(GLuint buffer, int count, const glm::mat4& world, std::span<const glm::mat4> bones,
                       const glm::vec4& colour, const FrameRecord& frame) const;
    // The model (identity world) where the visibility texture marks a place unseen, in the shadow texture.
    void RenderReversedShadows(GLuint buffer, int count, GLuint visibility, GLuint shadow,
                               const FrameRecord& frame) const;

private:
    enum VertexStage { kStaticStage, kInstancedStage, kAnimatedStage, kVertexStages };
    enum PixelStage { kGBufferStage, kForwardStage, kPixelStages };

    bool LoadPrograms(ProgramCache& programs);
    bool CreateBlocks();
    // The chosen stages' program with their layout's inputs, the samplers at slots 0 to 2 and the fog block.
    void Apply() const;
    const SceneLayout& Layout() const;
    // The scene block for a draw with world, its products made from placed (see Placed).
    bool WriteMatrices(const glm::mat4& world, const glm::mat4& placed, const FrameRecord& frame) const;
    // What the products of the chosen vertex stage start from: the world matrix, or the identity where every
    // instance brings its own.
    glm::mat4 Placed(const glm::mat4& world) const;
    bool WriteBones(std::span<const glm::mat4> bones) const;
    bool WriteOutline(const glm::mat4& world, const glm::vec4& colour, const glm::vec2& enlargement,
                      const FrameRecord& frame) const;
    void BindModelTextures(GLuint texture, GLuint normalMap) const;
    void BindShadowMapSize() const;
    // Points the layout's inputs at buffer (and the instance matrices at instances) and draws.
    void Draw(GLenum mode, GLuint buffer, int count, GLsizei stride, const SceneLayout& layout,
              GLuint instances = 0, int instanceCount = 1) const;

    DiagnosticSink* m_diagnostics = nullptr;
    GLuint m_programs[kVertexStages][kPixelStages] = {};
    GLuint m_outlineDepthProgram = 0;
    GLuint m_outlineProgram = 0;
    GLuint m_lineProgram = 0;
    GLuint m_reversedProgram = 0;
    VertexStage m_vertexStage = kStaticStage;
    PixelStage m_pixelStage = kGBufferStage;
    GLuint m_instances = 0;

    GLuint m_sceneSampler = 0;
    GLuint m_shadowSampler = 0;
    GLuint m_matrices = 0;
    GLuint m_outlineMatrices = 0;
    GLuint m_fog = 0;
    GLuint m_lineColour = 0;
    GLuint m_frame = 0;
    GLuint m_bones = 0;
    GLuint m_shadowMapSize = 0;
    GLuint m_noShadowMap = 0;
    glm::vec2 m_outlineEnlargement{0.0f};
};

}  // namespace Lumaspace
