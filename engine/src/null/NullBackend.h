// The null back end: no window and no GL. It records every call under its public name, hands out handles,
// tracks the sizes and ownership a real back end would, and refuses what a real back end refuses (unknown
// handles, writes larger than a buffer, releasing the engine's own targets). AnalyzeText is recorded with the
// layout's handle and the values x, y, the colour's four bytes (red, green, blue, alpha) and the flags;
// RenderTextGeometry with its flags. The scene, composition, line-of-sight and effect operations are
// recorded as CommandRecorder.h lays them out.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "HandleTable.h"
#include "RenderBackend.h"

namespace Lumaspace {

class NullBackend final : public RenderBackend {
public:
    bool Initialize(const BackendSetup& setup) override;
    void Shutdown() override;
    std::string GetVersion() const override { return "Null"; }
    void SetVsync(bool vsync) override;
    void SetClearColor(const glm::vec4& colour) override;
    bool ToggleFullscreen(bool fullScreen, float width, float height) override;
    void Clear() override { Record("Clear"); }
    void Present() override { Record("Present"); }

    void TurnOnAlphaBlending() override { Record("TurnOnAlphaBlending"); }
    void TurnOffAlphaBlending() override { Record("TurnOffAlphaBlending"); }
    void TurnOnPointLightAlphaBlending() override { Record("TurnOnPointLightAlphaBlending"); }
    void TurnOnDepthStencil() override { Record("TurnOnDepthStencil"); }
    void TurnOffDepthStencil() override { Record("TurnOffDepthStencil"); }
    void SetDepthStateForParticles() override { Record("SetDepthStateForParticles"); }
    void TurnOnBackfaceCulling() override { Record("TurnOnBackfaceCulling"); }
    void TurnOffBackfaceCulling() override { Record("TurnOffBackfaceCulling"); }
    bool InitializeOutling() override;
    void ClearOutlining() override { Record("ClearOutlining"); }
    void SetOutliningPassOne() override { Record("SetOutliningPassOne"); }
    void SetOutliningPassTwo() override { Record("SetOutliningPassTwo"); }

    void ResetRenderTarget() override { Record("ResetRenderTarget"); }
    void ClearRenderTargetsForGBuffers() override { Record("ClearRenderTargetsForGBuffers"); }
    void SetRenderTargetsForGBuffers() override { Record("SetRenderTargetsForGBuffers"); }
    void SetForwardRenderTarget() override { Record("SetForwardRenderTarget"); }
    void BeginRenderToShadowMap() override { Record("BeginRenderToShadowMap"); }
    TextureHandle GetPostProcessingTexture1() const override { return m_gBuffer0; }
    TextureHandle GetPostProcessingTexture2() const override { return m_gBuffer1; }

    void Execute(const command::Command& command) override;
    TextureHandle GetShadowMap() const override { return m_shadowMap; }

    void PrepareRenderGUI() override { Record("PrepareRenderGUI"); }
    void RenderGUI(const glm::mat4& world, TextureHandle texture, float opacity) override;

    void AnalyzeText(const TextLayout& layout, TextLayoutHandle handle, float x, float y,
                     std::uint32_t colour, std::uint32_t flags) override;
    void RenderTextGeometry(std::uint32_t flags) override;
    std::uint64_t TextDrawCount() const override { return m_textDraws; }

    BufferHandle CreateBuffer(BUFFERTYPE type, std::span<const std::byte> vertices) override;
    BufferHandle CreateDynamicBuffer(std::size_t byteWidth) override;
    bool UpdateDynamicBuffer(BufferHandle buffer, std::span<const std::byte> bytes) override;
    bool ReleaseBuffer(BufferHandle buffer) override;
    TextureHandle Create2DTexture(const std::string& path, const ImageRGBA& image) override;
    TextureHandle CreateTextureFromPixels(int width, int height, std::span<const std::uint8_t> rgba) override;
    bool ReleaseTexture(TextureHandle texture) override;
    bool AddInstanceBuffer(int index, int count, std::span<const glm::mat4> matrices) override;
    bool UpdateInstanceBuffers(std::span<const glm::mat4> matrices, int index) override;
    bool ReleaseInstanceBuffer(int index) override;

    bool ReadBackBuffer(ImageRGBA&) override { return false; }
    const std::vector<RecordedCall>* RecordedCalls() const override { return &m_calls; }
    void ClearRecordedCalls() override { m_calls.clear(); }

private:
    struct Buffer {
        std::size_t byteWidth = 0;
        bool dynamic = false;
    };
    struct Texture {
        bool engineOwned = false;
    };

    void Record(std::string operation, std::initializer_list<float> values = {}, std::uint32_t handle = 0,
                std::string text = {});

    std::vector<RecordedCall> m_calls;
    HandleTable<Buffer> m_buffers;
    HandleTable<Texture> m_textures;
    TextureHandle m_gBuffer0;
    TextureHandle m_gBuffer1;
    TextureHandle m_shadowMap;
    std::size_t m_pendingGlyphs = 0;
    std::uint64_t m_textDraws = 0;
};

}  // namespace Lumaspace
