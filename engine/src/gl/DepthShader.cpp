#include "gl/DepthShader.h"

#include <algorithm>
#include <vector>

#include "gl/BindingSlots.h"
#include "gl/GLObjects.h"
#include "gl/ProgramSlots.h"
#include "gl/Samplers.h"
#include "gl/SceneBlocks.h"
#include "gl/SceneLayouts.h"

namespace Lumaspace {

namespace {

constexpr BlockSlot kDepthBlocks[] = {{"DepthMatrices", VertexBufferSlot(0)}, {"Bones", VertexBufferSlot(2)}};
constexpr SamplerSlot kDepthSamplers[] = {{"diffuseTexture", TextureUnit(0)}};

const SceneLayout& LayoutOf(int stage) {
    static constexpr const SceneLayout* kLayouts[] = {&kDepthLayout, &kDepthInstancedLayout,
                                                      &kDepthAnimatedLayout};
    return *kLayouts[stage];
}

}  // namespace

bool DepthShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics) {
    m_diagnostics = &diagnostics;
    const ProgramMessages still{.vertexFailed = "Failed to create depth vertex shader.",
                                .layoutFailed = "Failed to create depth vertex input layout.",
                                .pixelFailed = "Failed to create depth pixel shader",
                                .vertexCompiled = "Depth vertex shader compiled successfully.",
                                .pixelCompiled = "Depth pixel shader compiled successfully."};
    const ProgramMessages instanced{.vertexFailed = "Failed to create depth vertex shader.",
                                    .layoutFailed = "Failed to create instance depth vertex input layout.",
                                    .pixelFailed = "Failed to create depth pixel shader"};
    const ProgramMessages animated{.vertexFailed = "Failed to create depth animated vertex shader.",
                                   .layoutFailed = "Failed to create depth animated vertex input layout.",
                                   .pixelFailed = "Failed to create depth pixel shader"};
    const std::vector<GLuint> stillInputs = kDepthLayout.Locations();
    const std::vector<GLuint> instancedInputs = kDepthInstancedLayout.Locations();
    const std::vector<GLuint> animatedInputs = kDepthAnimatedLayout.Locations();

    m_programs[kStaticStage] = LoadProgram(programs, kDepthProgram, stillInputs, still, diagnostics);
    if (m_programs[kStaticStage] == 0) {
        return false;
    }
    m_programs[kInstancedStage] =
        LoadProgram(programs, kDepthInstancedProgram, instancedInputs, instanced, diagnostics);
    if (m_programs[kInstancedStage] == 0) {
        return false;
    }
    m_matrices = CreateUniformBuffer(sizeof(DepthMatricesBlock));
    if (m_matrices == 0) {
        diagnostics.Compose("Failed to create depth matrix buffer.");
        return false;
    }
    m_sampler = CreateLinearWrapSampler();
    if (m_sampler == 0) {
        diagnostics.Compose("Failed to create depth sampler state.");
        return false;
    }
    m_programs[kAnimatedStage] =
        LoadProgram(programs, kDepthAnimatedProgram, animatedInputs, animated, diagnostics);
    m_bones = m_programs[kAnimatedStage] != 0 ? CreateUniformBuffer(sizeof(BonesBlock)) : 0;
    if (m_programs[kAnimatedStage] != 0 && m_bones == 0) {
        diagnostics.Compose("Failed to create depth animated buffer.");
    }
    if (m_bones == 0) {
        diagnostics.Compose("Failed to Initialize animated depth");
        return false;
    }
    for (GLuint program : m_programs) {
        TieSlots(program, kDepthBlocks, kDepthSamplers);
    }
    return true;
}

void DepthShader::Shutdown() {
    DeleteBuffers({&m_matrices, &m_bones});
    DeleteSampler(m_sampler);
    std::fill(std::begin(m_programs), std::end(m_programs), 0u);  // the program cache's
}

void DepthShader::Apply() const {
    glUseProgram(m_programs[m_stage]);
    BindSampler(m_sampler, {TextureUnit(0)});
}

void DepthShader::PrepareAnimated() {
    m_stage = kAnimatedStage;
    Apply();
}

void DepthShader::PrepareInstanced() {
    m_stage = kInstancedStage;
    Apply();
}

void DepthShader::PrepareStatic() {
    m_stage = kStaticStage;
    Apply();
}

bool DepthShader::WriteMatrices(const glm::mat4& world, const FrameRecord& frame) const {
    // Instanced draws place each copy with its own matrix.
    const glm::mat4 placed = m_stage == kInstancedStage ? glm::mat4(1.0f) : world;
    const DepthMatricesBlock block{world, frame.lightView, frame.lightProjection,
                                   frame.lightProjection * frame.lightView * placed};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_matrices, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map depth matrix buffer.");
        return false;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_matrices);
    return true;
}

void DepthShader::Draw(GLuint buffer, int count, GLsizei stride, GLuint texture, GLuint instances,
                       int instanceCount) const {
    const SceneLayout& layout = LayoutOf(m_stage);
    const GLsizei vertices = FittingVertices(buffer, count, stride, layout);
    if (vertices == 0 || instanceCount <= 0 || (layout.instanced && instances == 0)) {
        return;
    }
    BindTextures({{TextureUnit(0), texture}});
    UseVertexLocations(layout.LocationMask());
    BindVertexAttributes(buffer, stride, layout.attributes);
    if (layout.instanced) {
        BindVertexAttributes(instances, kInstanceStride, kInstanceAttributes, 1);
        glDrawArraysInstanced(GL_TRIANGLES, 0, vertices, instanceCount);
    } else {
        glDrawArrays(GL_TRIANGLES, 0, vertices);
    }
}

void DepthShader::RenderAnimated(GLuint buffer, int count, const glm::mat4& world, GLuint texture,
                                 std::span<const glm::mat4> bones, const FrameRecord& frame) const {
    Apply();
    if (!WriteMatrices(world, frame)) {
        return;
    }
    const BonesBlock block = BonesFrom(bones);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_bones, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map scene animated matrix buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(2), m_bones);
    Draw(buffer, count, kAnimatedStride, texture, 0, 1);
}

void DepthShader::RenderInstanced(GLuint buffer, int count, const glm::mat4& world, GLuint texture,
                                  GLuint instances, int instanceCount, const FrameRecord& frame) const {
    Apply();
    if (WriteMatrices(world, frame)) {
        Draw(buffer, count, kStaticStride, texture, instances, instanceCount);
    }
}

void DepthShader::RenderStatic(GLuint buffer, int count, const glm::mat4& world, GLuint texture,
                               const FrameRecord& frame) const {
    Apply();
    if (WriteMatrices(world, frame)) {
        Draw(buffer, count, kStaticStride, texture, 0, 1);
    }
}

}  // namespace Lumaspace
