#include "gl/ScreenSpace.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

#include <glm/geometric.hpp>
#include <glm/mat3x3.hpp>
#include <glm/matrix.hpp>

#include "gl/BindingSlots.h"
#include "gl/GLObjects.h"
#include "gl/ProgramSlots.h"
#include "gl/Samplers.h"
#include "gl/SceneBlocks.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

constexpr BlockSlot kScreenBlocks[] = {
    {"Fog", VertexBufferSlot(1)},  // the scene pipeline's fog block, which the composition shares
    {"ScreenBuffer", PixelBufferSlot(0)},
    {"ShadowMapSize", PixelBufferSlot(1)},
    {"SSAOBuffer", PixelBufferSlot(4)},
};

constexpr SamplerSlot kCompositionSamplers[] = {
    {"shadowMap", TextureUnit(2)},  {"gBuffer1", TextureUnit(3)},         {"gBuffer0", TextureUnit(4)},
    {"sceneDepth", TextureUnit(5)}, {"ambientOcclusion", TextureUnit(6)}, {"lights", TextureUnit(7)},
};
constexpr SamplerSlot kOcclusionSamplers[] = {
    {"normals", TextureUnit(3)},
    {"sceneDepth", TextureUnit(4)},
    {"randomVectors", TextureUnit(5)},
    {"occlusionInput", TextureUnit(3)},
};
constexpr SamplerSlot kFocusSamplers[] = {
    {"image", TextureUnit(3)},
    {"sceneDepth", TextureUnit(4)},
    {"horizontal", TextureUnit(4)},
};

constexpr std::size_t kLightBytes = sizeof(PointLight);
constexpr std::size_t kFirstLightCapacity = 16;

// The C library's rand as the random vectors were designed with: 15-bit results from seed 1. (glibc's rand
// gives 31 bits, which divided by 32767 would leave 0..1.) A generator of its own also leaves the program's
// rand sequence alone.
class FifteenBitRand {
public:
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state = 1;
};

// The 14 directions ambient occlusion probes along: the cube's eight corners, then its six face centres, each
// of length 1.
AmbientOcclusionBlock OffsetsBlock() {
    constexpr float kDirections[AmbientOcclusionBlock::kOffsets][3] = {
        {1, 1, 1},  {-1, -1, -1}, {-1, 1, 1}, {1, -1, -1}, {1, 1, -1}, {-1, -1, 1}, {-1, 1, -1},
        {1, -1, 1}, {-1, 0, 0},   {1, 0, 0},  {0, -1, 0},  {0, 1, 0},  {0, 0, -1},  {0, 0, 1},
    };
    AmbientOcclusionBlock block;
    for (int i = 0; i < AmbientOcclusionBlock::kOffsets; ++i) {
        const glm::vec3 direction(kDirections[i][0], kDirections[i][1], kDirections[i][2]);
        block.offsets[i] = glm::vec4(glm::normalize(direction), 0.0f);
    }
    return block;
}

void BindLightTexture(GLuint texture) {
    glActiveTexture(GL_TEXTURE0 + TextureUnit(7));
    glBindTexture(GL_TEXTURE_BUFFER, texture);
    glActiveTexture(GL_TEXTURE0);
}

}  // namespace

bool ScreenSpace::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics,
                             const ScreenTargets& targets) {
    m_diagnostics = &diagnostics;
    if (!LoadPrograms(programs, diagnostics) || !CreateResources(diagnostics)) {
        return false;
    }
    targets.ClearAmbientOcclusion();
    return true;
}

bool ScreenSpace::LoadPrograms(ProgramCache& programs, DiagnosticSink& diagnostics) {
    const std::vector<GLuint> noInputs;
    const ProgramMessages composition{.vertexFailed = "Failed to create screen vertex shader.",
                                      .pixelFailed = "ScreenSpace: Failed to create pixel shader",
                                      .vertexCompiled = "ScreenSpace: Vertex shader compiled successfully.",
                                      .vertexVersion = "Shader version: VS "};
    const ProgramMessages lights{
        .vertexFailed = "Failed to create quadCulling vertex shader.",
        .geometryFailed = "Failed to create quadCulling geometry vertex shader.",
        .pixelFailed = "ScreenSpace: Failed to create quadCulling pixel shader",
        .geometryCompiled = "ScreenSpace: QuadCulling geometry shader compiled successfully.",
        .geometryVersion = "Shader version: PS "};
    auto fullScreen = [](const char* pixelFailed) {
        return ProgramMessages{.vertexFailed = "Failed to create screen vertex shader.",
                               .pixelFailed = pixelFailed};
    };
    const ProgramMessages occlusion = fullScreen("ScreenSpace: Failed to create SSAO pixel shader");
    const ProgramMessages occlusionBlurH =
        fullScreen("ScreenSpace: Failed to create SSAO Blur H pixel shader");
    const ProgramMessages focusBlurH = fullScreen("ScreenSpace: Failed to create DOF Blur H pixel shader");
    const ProgramMessages focusBlurV = fullScreen("ScreenSpace: Failed to create DOF Blur V pixel shader");

    struct Load {
        const ProgramFiles& files;
        const ProgramMessages& messages;
        std::span<const SamplerSlot> samplers;
        GLuint& program;
    };
    const Load loads[] = {
        {kCompositionProgram, composition, kCompositionSamplers, m_composition},
        {kPointLightProgram, lights, kCompositionSamplers, m_pointLights},
        {kAmbientOcclusionProgram, occlusion, kOcclusionSamplers, m_occlusion},
        {kAmbientOcclusionBlurHProgram, occlusionBlurH, kOcclusionSamplers, m_occlusionBlurH},
        // The vertical blur's failure reads like the occlusion shader's, as the start-up messages have it.
        {kAmbientOcclusionBlurVProgram, occlusion, kOcclusionSamplers, m_occlusionBlurV},
        {kDepthOfFieldHProgram, focusBlurH, kFocusSamplers, m_focusBlurH},
        {kDepthOfFieldVProgram, focusBlurV, kFocusSamplers, m_focusBlurV},
    };
    for (const Load& load : loads) {
        load.program = LoadProgram(programs, load.files, noInputs, load.messages, diagnostics);
        if (load.program == 0) {
            return false;
        }
        TieSlots(load.program, kScreenBlocks, load.samplers);
    }
    return true;
}

bool ScreenSpace::CreateResources(DiagnosticSink& diagnostics) {
    m_screenBuffer = CreateUniformBuffer(sizeof(ScreenBlock));
    if (m_screenBuffer == 0) {
        diagnostics.Compose("ScreenSpace: Failed to create frame buffer.");
        return false;
    }
    m_occlusionBuffer = CreateUniformBuffer(sizeof(AmbientOcclusionBlock));
    if (m_occlusionBuffer == 0) {
        diagnostics.Compose("Failed to create SSAO frame buffer.");
        return false;
    }
    const ScreenBlock noScreen;
    const AmbientOcclusionBlock offsets = OffsetsBlock();
    WriteDiscard(GL_UNIFORM_BUFFER, m_screenBuffer, &noScreen, sizeof(noScreen));
    WriteDiscard(GL_UNIFORM_BUFFER, m_occlusionBuffer, &offsets, sizeof(offsets));

    // Rows of (x, y, z, 0), each x, y and z a 15-bit random number over 32767.
    std::vector<float> random(static_cast<std::size_t>(kRandomSide) * kRandomSide * 4, 0.0f);
    FifteenBitRand rand;
    for (std::size_t texel = 0; texel < random.size(); texel += 4) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            random[texel + axis] = static_cast<float>(rand.Next()) / 32767.0f;
        }
    }
    m_randomVectors = CreateTargetTexture(GL_RGBA32F, kRandomSide, kRandomSide, GL_RGBA, GL_FLOAT);
    if (m_randomVectors == 0) {
        diagnostics.Compose("Failed to create the random-vector texture.");
        return false;
    }
    glBindTexture(GL_TEXTURE_2D, m_randomVectors);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kRandomSide, kRandomSide, GL_RGBA, GL_FLOAT, random.data());
    glBindTexture(GL_TEXTURE_2D, 0);

    struct Sampler {
        GLuint& sampler;
        SamplerKind kind;
        const char* failure;
    };
    for (const Sampler& sampler :
         {Sampler{m_depthSampler, SamplerKind::AmbientDepth, "Failed to create SSAO depth sampler state."},
          Sampler{m_randomSampler, SamplerKind::AmbientRandom, "Failed to create SSAO random sampler state."},
          Sampler{m_blurSampler, SamplerKind::Blur, "Failed to create SSAO blur sampler state."}}) {
        sampler.sampler = CreateSampler(sampler.kind);
        if (sampler.sampler == 0) {
            diagnostics.Compose(sampler.failure);
            return false;
        }
    }

    // The light buffer: an RGBA32F texture over a buffer rewritten every frame, four texels per light.
    DrainGLErrors();
    glGenBuffers(1, &m_lightBuffer);
    glBindBuffer(GL_TEXTURE_BUFFER, m_lightBuffer);
    glBufferData(GL_TEXTURE_BUFFER, static_cast<GLsizeiptr>(kFirstLightCapacity * kLightBytes), nullptr,
                 GL_DYNAMIC_DRAW);
    glGenTextures(1, &m_lightTexture);
    glBindTexture(GL_TEXTURE_BUFFER, m_lightTexture);
    glTexBuffer(GL_TEXTURE_BUFFER, GL_RGBA32F, m_lightBuffer);
    glBindTexture(GL_TEXTURE_BUFFER, 0);
    if (!DrainGLErrors()) {
        diagnostics.Compose("Failed to create the point-light buffer.");
        return false;
    }
    m_lightCapacity = kFirstLightCapacity;
    BindLightTexture(m_lightTexture);
    return true;
}

void ScreenSpace::Shutdown() {
    DeleteBuffers({&m_screenBuffer, &m_occlusionBuffer, &m_lightBuffer});
    for (GLuint* texture : {&m_lightTexture, &m_randomVectors}) {
        if (*texture != 0) {
            glDeleteTextures(1, texture);
            *texture = 0;
        }
    }
    for (GLuint* sampler : {&m_depthSampler, &m_randomSampler, &m_blurSampler}) {
        DeleteSampler(*sampler);
    }
    m_lightCapacity = 0;
    // The programs belong to the program cache.
    m_composition = m_pointLights = m_occlusion = m_occlusionBlurH = m_occlusionBlurV = m_focusBlurH =
        m_focusBlurV = 0;
}

void ScreenSpace::SetScreenBuffer(const DirectionalLight& light, const glm::mat4& projection,
                                  const glm::mat4& view, const glm::mat4& lightView,
                                  const glm::mat4& lightProjection) const {
    ScreenBlock block{light, projection, lightProjection * lightView * glm::inverse(view)};
    const glm::vec3 direction = glm::mat3(view) * glm::vec3(light.direction);
    const float length = glm::length(direction);
    block.light.direction = glm::vec4(length > 0.0f ? direction / length : direction, 0.0f);
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_screenBuffer, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map screen frame buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(7), m_screenBuffer);
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(0), m_screenBuffer);
}

void ScreenSpace::SetLightBuffer(std::span<const PointLight> lights) {
    if (lights.size() > m_lightCapacity) {
        std::size_t capacity = m_lightCapacity;
        while (capacity < lights.size()) {
            capacity *= 2;
        }
        glBindBuffer(GL_TEXTURE_BUFFER, m_lightBuffer);
        glBufferData(GL_TEXTURE_BUFFER, static_cast<GLsizeiptr>(capacity * kLightBytes), nullptr,
                     GL_DYNAMIC_DRAW);
        glBindTexture(GL_TEXTURE_BUFFER, m_lightTexture);
        glTexBuffer(GL_TEXTURE_BUFFER, GL_RGBA32F, m_lightBuffer);
        glBindTexture(GL_TEXTURE_BUFFER, 0);
        m_lightCapacity = capacity;
    }
    if (!lights.empty() &&
        !WriteDiscard(GL_TEXTURE_BUFFER, m_lightBuffer, lights.data(), lights.size_bytes())) {
        m_diagnostics->Compose("Failed to map the point-light buffer.");
    }
    BindLightTexture(m_lightTexture);
}

void ScreenSpace::SetSSAOBuffer(const glm::mat4& projection) const {
    // Clip space to texture coordinates: x and y from -1..1 to 0..1. Render targets are sampled from clip
    // space without a y flip here, so unlike a top-down texture space y is not mirrored.
    const glm::mat4 toTexture(0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.5f,
                              0.5f, 0.0f, 1.0f);
    AmbientOcclusionBlock block = OffsetsBlock();
    block.projection = projection;
    block.projectionToTexture = toTexture * projection;
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_occlusionBuffer, &block, sizeof(block))) {
        m_diagnostics->Compose("Failed to map screen frame buffer.");
        return;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(4), m_occlusionBuffer);
}

void ScreenSpace::Pass(const GraphicsDevice& device, PassTarget target, GLuint program,
                       std::initializer_list<UnitTexture> textures) const {
    GraphicsDevice::UnbindTextureUnits({3, 4, 5, 6});
    device.Targets().BindColourOnly(target);
    BindTextures(textures);
    glUseProgram(program);
    UseVertexLocations(0);
    glDrawArrays(GL_TRIANGLES, 0, 3);
}

void ScreenSpace::Composition(GraphicsDevice& device, PassTarget target, std::size_t lights) const {
    const ScreenTargets& targets = device.Targets();
    device.BindBlendState(BlendState::PointLight);
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(7), m_screenBuffer);
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(0), m_screenBuffer);
    BindSampler(m_blurSampler, {TextureUnit(3), TextureUnit(4), TextureUnit(5), TextureUnit(6)});
    Pass(device, target, m_composition,
         {{TextureUnit(3), targets.GBufferTexture(1)},
          {TextureUnit(4), targets.GBufferTexture(0)},
          {TextureUnit(5), targets.SceneDepthTexture()},
          {TextureUnit(6), targets.AmbientOcclusionTexture(0)}});
    if (lights > 0) {
        BindLightTexture(m_lightTexture);
        glUseProgram(m_pointLights);
        glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(lights));
    }
    device.BindBlendState(BlendState::AlphaOff);
}

void ScreenSpace::RenderSSAO(const GraphicsDevice& device) const {
    const ScreenTargets& targets = device.Targets();
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(4), m_occlusionBuffer);
    BindSampler(m_blurSampler, {TextureUnit(3)});
    BindSampler(m_depthSampler, {TextureUnit(4)});
    BindSampler(m_randomSampler, {TextureUnit(5)});
    Pass(device, PassTarget::AmbientOcclusion0, m_occlusion,
         {{TextureUnit(3), targets.GBufferTexture(1)},
          {TextureUnit(4), targets.SceneDepthTexture()},
          {TextureUnit(5), m_randomVectors}});
    BindSampler(m_blurSampler, {TextureUnit(3), TextureUnit(4), TextureUnit(5)});
    Pass(device, PassTarget::AmbientOcclusion1, m_occlusionBlurH,
         {{TextureUnit(3), targets.AmbientOcclusionTexture(0)},
          {TextureUnit(4), targets.SceneDepthTexture()},
          {TextureUnit(5), targets.GBufferTexture(1)}});
    Pass(device, PassTarget::AmbientOcclusion0, m_occlusionBlurV,
         {{TextureUnit(3), targets.AmbientOcclusionTexture(1)},
          {TextureUnit(4), targets.SceneDepthTexture()},
          {TextureUnit(5), targets.GBufferTexture(1)}});
}

void ScreenSpace::ApplyDOF(GraphicsDevice& device) const {
    const ScreenTargets& targets = device.Targets();
    device.BindDepthStencilState(DepthStencilState::Disabled);
    glBindBufferBase(GL_UNIFORM_BUFFER, PixelBufferSlot(0), m_screenBuffer);
    BindSampler(m_blurSampler, {TextureUnit(3), TextureUnit(4)});
    Pass(device, PassTarget::GBuffer1, m_focusBlurH,
         {{TextureUnit(3), targets.ForwardTexture()}, {TextureUnit(4), targets.SceneDepthTexture()}});
    Pass(device, PassTarget::BackBuffer, m_focusBlurV,
         {{TextureUnit(3), targets.ForwardTexture()}, {TextureUnit(4), targets.GBufferTexture(1)}});
}

}  // namespace Lumaspace
