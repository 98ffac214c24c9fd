#include "gl/SceneShader.h"

#include <algorithm>
#include <vector>

#include "gl/BindingSlots.h"
#include "gl/EffectParts.h"
#include "gl/GLObjects.h"
#include "gl/ProgramSlots.h"
#include "gl/Samplers.h"
#include "gl/SceneBlocks.h"

namespace Lumaspace {

namespace {

constexpr BlockSlot kSceneBlocks[] = {
    {"SceneMatrices", VertexBufferSlot(0)}, {"OutlineMatrices", VertexBufferSlot(0)},
    {"Fog", VertexBufferSlot(1)},           {"Bones", VertexBufferSlot(2)},
    {"LineColour", VertexBufferSlot(3)},    {"Frame", PixelBufferSlot(0)},
    {"ShadowMapSize", PixelBufferSlot(1)},
};

constexpr SamplerSlot kSceneSamplers[] = {
    {"diffuseTexture", TextureUnit(0)},    {"normalMap", TextureUnit(1)},     {"shadowMap", TextureUnit(2)},
    {"visibilityTexture", TextureUnit(0)}, {"shadowTexture", TextureUnit(1)},
};

constexpr ProgramMessages kSceneMessages{
    .vertexFailed = "Failed to create scene vertex shader.",
    .layoutFailed = "Failed to create scene vertex input layout.",
    .pixelFailed = "Failed to create scene pixel shader",
    .vertexCompiled = "Scene vertex shader compiled successfully.",
    .vertexVersion = "Shader version: VS ",
    .pixelCompiled = "Scene pixel shader compiled successfully.",
    .pixelVersion = "Shader version: PS ",
};

}  // namespace

bool SceneShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics, int targetWidth,
                             int targetHeight) {
    m_diagnostics = &diagnostics;
    m_outlineEnlargement = glm::vec2(2.0f * kOutlinePixels / static_cast<float>(std::max(targetWidth, 1)),
                                     2.0f * kOutlinePixels / static_cast<float>(std::max(targetHeight, 1)));
    if (!LoadPrograms(programs)) {
        return false;
    }
    m_sceneSampler = CreateLinearWrapSampler();
    if (m_sceneSampler == 0) {
        diagnostics.Compose("Failed to create scene sampler state.");
        return false;
    }
    m_shadowSampler = CreateSampler(SamplerKind::Shadow);
    if (m_shadowSampler == 0) {
        diagnostics.Compose("Failed to create scene shadow sampler state.");
        return false;
    }
    return CreateBlocks();
}

bool SceneShader::LoadPrograms(ProgramCache& programs) {
    DiagnosticSink& diagnostics = *m_diagnostics;
    const std::vector<GLuint> staticInputs = kStaticLayout.Locations();
    const std::vector<GLuint> instancedInputs = kInstancedLayout.Locations();
    const std::vector<GLuint> animatedInputs = kAnimatedLayout.Locations();
    const std::vector<GLuint> outlineInputs = kOutlineLayout.Locations();
    const std::vector<GLuint> lineInputs = kLineLayout.Locations();

    ProgramMessages quiet = kSceneMessages;
    quiet.vertexCompiled = quiet.vertexVersion = quiet.pixelCompiled = quiet.pixelVersion = nullptr;
    ProgramMessages instanced = quiet;
    instanced.vertexFailed = "Failed to create instance vertex shader.";
    ProgramMessages animated = quiet;
    animated.vertexFailed = "Failed to create scene animated vertex shader.";
    animated.layoutFailed = "Failed to create scene animated vertex input layout.";
    const ProgramMessages outlineDepth{.vertexFailed = "Failed to create scene vertex shader.",
                                       .layoutFailed = "Failed to create outline vertex input layout.",
                                       .vertexCompiled = "Outlining vertex shader compiled successfully.",
                                       .vertexVersion = "Shader version: VS "};
    const ProgramMessages outline{.vertexFailed = "Failed to create scene vertex shader.",
                                  .layoutFailed = "Failed to create outline vertex input layout.",
                                  .pixelFailed = "Failed to create line pixel shader"};
    const ProgramMessages line{.vertexFailed = "Failed to create line vertex shader.",
                               .layoutFailed = "Failed to create line vertex input layout.",
                               .pixelFailed = "Failed to create line pixel shader"};
    const ProgramMessages reversed{.vertexFailed = "Failed to create sSReverseVertexShader vertex shader.",
                                   .layoutFailed = "Failed to create scene vertex input layout.",
                                   .pixelFailed = "Failed to create reversed shadow pixel shader",
                                   .pixelCompiled = "Reversed shadow pixel shader compiled successfully.",
                                   .pixelVersion = "Shader version: PS "};

    struct Load {
        const ProgramFiles& files;
        const std::vector<GLuint>& inputs;
        const ProgramMessages& messages;
        GLuint& program;
        bool required;
    };
    const Load loads[] = {
        {kSceneProgram, staticInputs, kSceneMessages, m_programs[kStaticStage][kGBufferStage], true},
        {kSceneForwardProgram, staticInputs, quiet, m_programs[kStaticStage][kForwardStage], true},
        {kSceneInstancedProgram, instancedInputs, instanced, m_programs[kInstancedStage][kGBufferStage],
         true},
        {kSceneAnimatedProgram, animatedInputs, animated, m_programs[kAnimatedStage][kGBufferStage], true},
        {kOutlineDepthProgram, outlineInputs, outlineDepth, m_outlineDepthProgram, false},
        {kOutlineProgram, outlineInputs, outline, m_outlineProgram, false},
        {kLineProgram, lineInputs, line, m_lineProgram, true},
        {kReversedShadowProgram, staticInputs, reversed, m_reversedProgram, true},
    };
    for (const Load& load : loads) {
        load.program = LoadProgram(programs, load.files, load.inputs, load.messages, diagnostics);
        if (load.program == 0 && load.required) {
            return false;
        }
        if (load.program != 0) {
            TieSlots(load.program, kSceneBlocks, kSceneSamplers);
        }
    }
    return true;
}

bool SceneShader::CreateBlocks() {
    DiagnosticSink& diagnostics = *m_diagnostics;
    struct Block {
        GLuint& buffer;
        std::size_t bytes;
        const char* failure;
    };
    const Block blocks[] = {
        {m_matrices, sizeof(SceneMatricesBlock), "Failed to create scene matrix buffer."},
        {m_outlineMatrices, sizeof(OutlineMatricesBlock), "Failed to create Outlining matrix buffer."},
        {m_fog, sizeof(glm::vec4), "Failed to create scene fog buffer."},
        {m_lineColour, sizeof(glm::vec4), "Failed to create color buffer."},
        {m_frame, sizeof(DirectionalLight), "Failed to create scene frame buffer."},
        {m_bones, sizeof(BonesBlock), "Failed to create scene animated buffer."},
        {m_shadowMapSize, sizeof(glm::vec4), "Failed to create scene shadow map dimension buffer."},
    };
    for (const Block& block : blocks) {
        block.buffer = CreateUniformBuffer(block.bytes);
        if (block.buffer == 0) {
            diagnostics.Compose(block.failure);
            return false;
        }
    }
    // Fog, light and shadow-map width start as zeros (no fog, no light, the width taken from the map), the
    // bones as identities.
    const DirectionalLight noLight;
    const glm::vec4 zero(0.0f);
    WriteDiscard(GL_UNIFORM_BUFFER, m_fog, &zero, sizeof(zero));
    WriteDiscard(GL_UNIFORM_BUFFER, m_shadowMapSize, &zero, sizeof(zero));
    WriteDiscard(GL_UNIFORM_BUFFER, m_frame, &noLight, sizeof(noLight));
    WriteBones({});
    const float far = 1.0f;
    m_noShadowMap = CreateTargetTexture(GL_R32F, 1, 1, GL_RED, GL_FLOAT);
    if (m_noShadowMap == 0) {
        diagnostics.Compose("Failed to create render target texture.");
        return false;
    }
    glBindTexture(GL_TEXTURE_2D, m_noShadowMap);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 1, 1, GL_RED, GL_FLOAT, &far);
    glBindTexture(GL_TEXTURE_2D, 0);
    return true;
}

void SceneShader::Shutdown() {
    DeleteBuffers(
        {&m_matrices, &m_outlineMatrices, &m_fog, &m_lineColour, &m_frame, &m_bones, &m_shadowMapSize});
    DeleteSampler(m_sceneSampler);
    DeleteSampler(m_shadowSampler);
    if (m_noShadowMap != 0) {
        glDeleteTextures(1, &m_noShadowMap);
        m_noShadowMap = 0;
    }
    // The programs belong to the program cache.
    for (auto& row : m_programs) {
        std::fill(std::begin(row), std::end(row), 0u);
    }
    m_outlineDepthProgram = m_outlineProgram = m_lineProgram = m_reversedProgram = 0;
}

void SceneShader::SetFog(const glm::vec3& fog) const {
    const glm::vec4 block(fog, 0.0f);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_fog, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map scene fog buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(1), m_fog);
}

void SceneShader::SetDirectionalLight(const DirectionalLight& light) const {
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_frame, &light, sizeof(light))) {
        m_diagnostics->Compose("Failed to map scene frame buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(0), m_frame);
}

void SceneShader::SetShadowMapWidth(float width) const {
    const glm::vec4 block(width, 0.0f, 0.0f, 0.0f);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_shadowMapSize, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map scene shadow map dimension buffer.");
        return;
    }
    BindShadowMapSize();
}

void SceneShader::BindCompositionInputs(GLuint shadowMap) const {
    BindSampler(m_shadowSampler, {TextureUnit(2)});
    BindTextures({{TextureUnit(2), shadowMap}});
    BindShadowMapSize();
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(1), m_fog);
}

void SceneShader::BindShadowMapSize() const {
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(1), m_shadowMapSize);
}

glm::mat4 SceneShader::Placed(const glm::mat4& world) const {
    // The instanced vertex stage places each copy with its instance's matrix instead of the draw's.
    return m_vertexStage == kInstancedStage ? glm::mat4(1.0f) : world;
}

const SceneLayout& SceneShader::Layout() const {
    switch (m_vertexStage) {
        case kInstancedStage:
            return kInstancedLayout;
        case kAnimatedStage:
            return kAnimatedLayout;
        default:
            return kStaticLayout;
    }
}

void SceneShader::Apply() const {
    glUseProgram(m_programs[m_vertexStage][m_pixelStage]);
    BindSampler(m_sceneSampler, {TextureUnit(0), TextureUnit(1)});
    BindSampler(m_shadowSampler, {TextureUnit(2)});
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(1), m_fog);
}

void SceneShader::PrepareAnimated(GLuint shadowMap) {
    m_vertexStage = kAnimatedStage;
    m_pixelStage = kGBufferStage;
    BindTextures({{TextureUnit(2), shadowMap}});
    Apply();
}

void SceneShader::PrepareScene() {
    m_vertexStage = kStaticStage;
    Apply();
}

bool SceneShader::WriteMatrices(const glm::mat4& world, const glm::mat4& placed,
                                const FrameRecord& frame) const {
    const SceneMatricesBlock block = SceneMatricesBlock::Make(world, placed, frame.view, frame.projection,
                                                              frame.lightView, frame.lightProjection);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_matrices, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map scene matrix buffer.");
        return false;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_matrices);
    return true;
}

bool SceneShader::WriteBones(std::span<const glm::mat4> bones) const {
    const BonesBlock block = BonesFrom(bones);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_bones, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map scene animated matrix buffer.");
        return false;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(2), m_bones);
    return true;
}

bool SceneShader::WriteOutline(const glm::mat4& world, const glm::vec4& colour, const glm::vec2& enlargement,
                               const FrameRecord& frame) const {
    const OutlineMatricesBlock block{world,
                                     frame.view,
                                     frame.projection,
                                     colour,
                                     glm::vec4(enlargement, 0, 0),
                                     frame.projection * frame.view * world};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_outlineMatrices, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map outlining matrix buffer.");
        return false;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_outlineMatrices);
    return true;
}

void SceneShader::BindModelTextures(GLuint texture, GLuint normalMap) const {
    BindTextures({{TextureUnit(0), texture}, {TextureUnit(1), normalMap}});
}

void SceneShader::Draw(GLenum mode, GLuint buffer, int count, GLsizei stride, const SceneLayout& layout,
                       GLuint instances, int instanceCount) const {
    const GLsizei vertices = FittingVertices(buffer, count, stride, layout);
    if (vertices == 0 || instanceCount <= 0 || (layout.instanced && instances == 0)) {
        return;
    }
    UseVertexLocations(layout.LocationMask());
    BindVertexAttributes(buffer, stride, layout.attributes);
    if (layout.instanced) {
        BindVertexAttributes(instances, kInstanceStride, kInstanceAttributes, 1);
        glDrawArraysInstanced(mode, 0, vertices, instanceCount);
    } else {
        glDrawArrays(mode, 0, vertices);
    }
}

void SceneShader::RenderAnimated(const Model& model, std::span<const glm::mat4> bones,
                                 const FrameRecord& frame) {
    Apply();
    if (!WriteMatrices(model.world, Placed(model.world), frame) || !WriteBones(bones)) {
        return;
    }
    BindModelTextures(model.texture, model.normalMap);
    Draw(GL_TRIANGLES, model.buffer, model.count, kAnimatedStride, Layout(), m_instances);
}

void SceneShader::RenderScene(const Model& model, const FrameRecord& frame) {
    Apply();
    if (!WriteMatrices(model.world, Placed(model.world), frame)) {
        return;
    }
    BindModelTextures(model.texture, model.normalMap);
    Draw(GL_TRIANGLES, model.buffer, model.count, kStaticStride, Layout(), m_instances);
}

void SceneShader::RenderInstanced(const Model& model, GLuint instances, int instanceCount, GLuint shadowMap,
                                  const FrameRecord& frame) {
    m_vertexStage = kInstancedStage;
    m_pixelStage = kGBufferStage;
    m_instances = instances;
    Apply();
    if (!WriteMatrices(model.world, glm::mat4(1.0f), frame)) {
        return;
    }
    BindTextures(
        {{TextureUnit(0), model.texture}, {TextureUnit(1), model.normalMap}, {TextureUnit(2), shadowMap}});
    Draw(GL_TRIANGLES, model.buffer, model.count, kStaticStride, kInstancedLayout, instances, instanceCount);
}

void SceneShader::RenderForward(const Model& model, GLuint shadowMap, const FrameRecord& frame) {
    m_vertexStage = kStaticStage;
    m_pixelStage = kForwardStage;
    Apply();
    if (!WriteMatrices(model.world, model.world, frame)) {
        return;
    }
    // The light and the shadow-map width this pass reads are the scene's, whatever used the slots since.
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(0), m_frame);
    BindShadowMapSize();
    BindTextures(
        {{TextureUnit(0), model.texture}, {TextureUnit(1), model.normalMap}, {TextureUnit(2), shadowMap}});
    Draw(GL_TRIANGLES, model.buffer, model.count, kStaticStride, kStaticLayout);
}

void SceneShader::RenderLines(GLuint buffer, int count, const glm::vec3& colour, const glm::mat4& world,
                              const FrameRecord& frame) const {
    glUseProgram(m_lineProgram);
    if (!WriteMatrices(world, world, frame)) {
        return;
    }
    const glm::vec4 block(colour, 1.0f);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_lineColour, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map color buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(3), m_lineColour);
    Draw(GL_LINES, buffer, count, kLineStride, kLineLayout);
}

void SceneShader::RenderOutlineDepth(GLuint buffer, int count, const glm::mat4& world,
                                     std::span<const glm::mat4> bones, const FrameRecord& frame) const {
    if (m_outlineDepthProgram == 0) {
        return;
    }
    glUseProgram(m_outlineDepthProgram);
    if (WriteOutline(world, glm::vec4(0.0f), glm::vec2(0.0f), frame) && WriteBones(bones)) {
        Draw(GL_TRIANGLES, buffer, count, kAnimatedStride, kOutlineLayout);
    }
}

void SceneShader::RenderOutline(GLuint buffer, int count, const glm::mat4& world,
                                std::span<const glm::mat4> bones, const glm::vec4& colour,
                                const FrameRecord& frame) const {
    if (m_outlineProgram == 0) {
        return;
    }
    glUseProgram(m_outlineProgram);
    if (WriteOutline(world, colour, m_outlineEnlargement, frame) && WriteBones(bones)) {
        Draw(GL_TRIANGLES, buffer, count, kAnimatedStride, kOutlineLayout);
    }
}

void SceneShader::RenderReversedShadows(GLuint buffer, int count, GLuint visibility, GLuint shadow,
                                        const FrameRecord& frame) const {
    glUseProgram(m_reversedProgram);
    const SceneMatricesBlock block =
        SceneMatricesBlock::Make(glm::mat4(1.0f), glm::mat4(1.0f), frame.view, frame.projection,
                                 frame.viewPolygon, frame.visibilityProjection);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_matrices, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map scene matrix buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_matrices);
    BindSampler(m_sceneSampler, {TextureUnit(0), TextureUnit(1)});
    BindTextures({{TextureUnit(0), visibility}, {TextureUnit(1), shadow}});
    Draw(GL_TRIANGLES, buffer, count, kStaticStride, kStaticLayout);
}

}  // namespace Lumaspace
