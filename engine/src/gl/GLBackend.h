// The OpenGL 3.3 core back end: the device, the pipelines, the shadow map and the resource stores, started
// and shut down in the engine's order.
#pragma once

#include "Lumagrid/Diagnostics.h"
#include "RenderBackend.h"
#include "gl/BufferStore.h"
#include "gl/DepthShader.h"
#include "gl/FoliageShader.h"
#include "gl/GUIShader.h"
#include "gl/GraphicsDevice.h"
#include "gl/InstanceBuffers.h"
#include "gl/MarkerShader.h"
#include "gl/ParticleShader.h"
#include "gl/RenderTarget.h"
#include "gl/SceneShader.h"
#include "gl/ScreenSpace.h"
#include "gl/ShaderProgram.h"
#include "gl/SuddenDeathShader.h"
#include "gl/TextShader.h"
#include "gl/TextureStore.h"
#include "gl/TrailShader.h"
#include "gl/VisibilityTexture.h"

namespace Lumaspace {

class GLBackend final : public RenderBackend {
public:
    explicit GLBackend(DiagnosticSink& diagnostics) : m_diagnostics(diagnostics), m_device(diagnostics) {}

    bool Initialize(const BackendSetup& setup) override;
    void Shutdown() override;
    std::string GetVersion() const override { return m_device.Version(); }
    void SetVsync(bool vsync) override { m_device.SetVsync(vsync); }
    void SetClearColor(const glm::vec4& colour) override { m_device.SetClearColor(colour); }
    bool ToggleFullscreen(bool fullScreen, float width, float height) override;
    void Clear() override { m_device.Clear(); }
    void Present() override { m_device.Present(); }

    void TurnOnAlphaBlending() override { m_device.BindBlendState(BlendState::AlphaOn); }
    void TurnOffAlphaBlending() override { m_device.BindBlendState(BlendState::AlphaOff); }
    void TurnOnPointLightAlphaBlending() override { m_device.BindBlendState(BlendState::PointLight); }
    void TurnOnDepthStencil() override { m_device.BindDepthStencilState(DepthStencilState::Enabled); }
    void TurnOffDepthStencil() override { m_device.BindDepthStencilState(DepthStencilState::Disabled); }
    void SetDepthStateForParticles() override { m_device.BindDepthStencilState(DepthStencilState::Particle); }
    void TurnOnBackfaceCulling() override { m_device.BindRasterizerState(true); }
    void TurnOffBackfaceCulling() override { m_device.BindRasterizerState(false); }
    bool InitializeOutling() override { return m_device.InitializeOutling(); }
    void ClearOutlining() override { m_device.ClearOutlining(); }
    void SetOutliningPassOne() override { m_device.SetOutliningPassOne(); }
    void SetOutliningPassTwo() override { m_device.SetOutliningPassTwo(); }

    void ResetRenderTarget() override { m_device.ResetRenderTarget(); }
    void ClearRenderTargetsForGBuffers() override { m_device.ClearRenderTargetsForGBuffers(); }
    void SetRenderTargetsForGBuffers() override { m_device.SetRenderTargetsForGBuffers(); }
    void SetForwardRenderTarget() override { m_device.SetForwardRenderTarget(); }
    void BeginRenderToShadowMap() override;
    TextureHandle GetPostProcessingTexture1() const override { return m_gBuffer0; }
    TextureHandle GetPostProcessingTexture2() const override { return m_gBuffer1; }

    // The scene, composition, line-of-sight and effect operations run through the overloads of Run; an
    // operation without one draws nothing on this back end.
    void Execute(const command::Command& command) override;
    TextureHandle GetShadowMap() const override { return m_shadowMapTexture; }

    void PrepareRenderGUI() override { m_guiShader.Prepare(); }
    void RenderGUI(const glm::mat4& world, TextureHandle texture, float opacity) override;

    void AnalyzeText(const TextLayout& layout, TextLayoutHandle, float x, float y, std::uint32_t colour,
                     std::uint32_t) override {
        m_textShader.Append(layout, x, y, colour);
    }
    void RenderTextGeometry(std::uint32_t flags) override;
    std::uint64_t TextDrawCount() const override { return m_textShader.DrawCount(); }

    BufferHandle CreateBuffer(BUFFERTYPE, std::span<const std::byte> vertices) override;
    BufferHandle CreateDynamicBuffer(std::size_t byteWidth) override {
        return m_buffers.CreateDynamic(byteWidth);
    }
    bool UpdateDynamicBuffer(BufferHandle buffer, std::span<const std::byte> bytes) override;
    bool ReleaseBuffer(BufferHandle buffer) override { return m_buffers.Release(buffer); }
    TextureHandle Create2DTexture(const std::string& path, const ImageRGBA& image) override;
    TextureHandle CreateTextureFromPixels(int width, int height, std::span<const std::uint8_t> rgba) override;
    bool ReleaseTexture(TextureHandle texture) override { return m_textures.Release(texture); }
    bool AddInstanceBuffer(int index, int count, std::span<const glm::mat4> matrices) override;
    bool UpdateInstanceBuffers(std::span<const glm::mat4> matrices, int index) override;
    bool ReleaseInstanceBuffer(int index) override;

    bool ReadBackBuffer(ImageRGBA& image) override { return m_device.ReadBackBuffer(image); }
    void Finish() override { glFinish(); }

private:
    bool StartPipelines();
    template <class Record>
    void Run(const Record&) {}
    // Scene, depth and screen-space pipelines (GLBackendScene.cpp).
    void Run(const command::PrepareRenderAnimated& record);
    void Run(const command::RenderAnimated& record);
    void Run(const command::PrepareRenderScene& record);
    void Run(const command::RenderScene& record);
    void Run(const command::RenderInstanced& record);
    void Run(const command::RenderSceneForward& record);
    void Run(const command::RenderLines& record);
    void Run(const command::RenderAnimatedOutliningDepth& record);
    void Run(const command::RenderAnimatedOutlining& record);
    void Run(const command::RenderReversedShadows& record);
    void Run(const command::PrepareRenderAnimatedDepth& record);
    void Run(const command::RenderAnimatedDepth& record);
    void Run(const command::PrepareRenderDepthInstanced& record);
    void Run(const command::RenderDepthInstanced& record);
    void Run(const command::PrepareRenderDepth& record);
    void Run(const command::RenderDepth& record);
    void Run(const command::SetSceneFog& record);
    void Run(const command::SetSceneDirectionalLight& record);
    void Run(const command::SetShadowMapDimensions& record);
    void Run(const command::SetLightBuffer& record);
    void Run(const command::SetScreenBuffer& record);
    void Run(const command::SetPointLightLightBuffer& record);
    void Run(const command::SetSSAOBuffer& record);
    void Run(const command::RenderSSAO& record);
    void Run(const command::ClearSSAO& record);
    void Run(const command::Composition& record);
    void Run(const command::CompositionForward& record);
    void Run(const command::ApplyDOF& record);
    // The shadow map the scene passes sample: the one SetShadowMap chose, or one that shadows nothing.
    GLuint SceneShadowMap() const;
    SceneShader::Model SceneModel(const command::RenderScene& record) const;
    // Effects (GLBackendEffects.cpp): line of sight, grass, particles, trails, markers, the sudden-death
    // sheet.
    void Run(const command::UpdateVisibilityTextureSize& record);
    void Run(const command::RenderVisibilityPolygon& record);
    void Run(const command::RenderFoliage& record);
    void Run(const command::RenderParticles& record);
    void Run(const command::PrepareRenderTrails& record);
    void Run(const command::RenderTrail& record);
    void Run(const command::RenderMarker& record);
    void Run(const command::RenderSuddenDeath& record);
    // The effects started after the pipelines; those that are optional only report when they cannot start.
    bool StartEffects(const BackendSetup& setup);
    void ShutdownEffects();

    const SceneData* m_scene = nullptr;
    DiagnosticSink& m_diagnostics;
    GraphicsDevice m_device;
    bool m_deviceStarted = false;
    float m_windowWidth = 0.0f;
    float m_windowHeight = 0.0f;

    ProgramCache m_programs;
    SceneShader m_sceneShader;
    GUIShader m_guiShader;
    ParticleShader m_particleShader;
    DepthShader m_depthShader;
    FoliageShader m_foliageShader;
    ScreenSpace m_screenSpace;
    RenderTarget m_shadowMap;
    TextShader m_textShader;

    TextureStore m_textures;
    BufferStore m_buffers;
    InstanceBuffers m_instanceBuffers;
    TextureHandle m_gBuffer0;
    TextureHandle m_gBuffer1;
    TextureHandle m_shadowMapTexture;

    // Effects beside the pipelines above.
    VisibilityTexture m_visibility;
    TrailShader m_trailShader;
    MarkerShader m_markerShader;
    SuddenDeathShader m_suddenDeathShader;
};

}  // namespace Lumaspace
