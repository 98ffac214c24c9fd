// What a back end of the engine does. GE checks arguments, keeps the instance counts and the screen-changed
// flag, decodes image files and composes the messages the client relies on; a back end owns the resources and
// the drawing. The operations mirror GE's so that the null back end can record them under their public names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "EngineCommands.h"
#include "Lumagrid/EngineTypes.h"
#include "Lumagrid/Handles.h"
#include "Lumagrid/ImageRGBA.h"
#include "Lumagrid/RecordedCall.h"

struct SDL_Window;

namespace Lumaspace {

struct TextLayout;
struct SceneData;

struct BackendSetup {
    SDL_Window* window = nullptr;
    float windowWidth = 0.0f;
    float windowHeight = 0.0f;
    float screenWidth = 0.0f;
    float screenHeight = 0.0f;
    bool fullScreen = false;
    // The engine's scene state, which outlives the back end; the back end reads it while it draws.
    const SceneData* scene = nullptr;
};

class RenderBackend {
public:
    virtual ~RenderBackend() = default;

    // Lifecycle. Shutdown must cope with a start-up that stopped half-way.
    virtual bool Initialize(const BackendSetup& setup) = 0;
    virtual void Shutdown() = 0;
    virtual std::string GetVersion() const = 0;
    virtual void SetVsync(bool vsync) = 0;
    virtual void SetClearColor(const glm::vec4& colour) = 0;
    virtual bool ToggleFullscreen(bool fullScreen, float width, float height) = 0;
    virtual void Clear() = 0;
    virtual void Present() = 0;

    // State switches.
    virtual void TurnOnAlphaBlending() = 0;
    virtual void TurnOffAlphaBlending() = 0;
    virtual void TurnOnPointLightAlphaBlending() = 0;
    virtual void TurnOnDepthStencil() = 0;
    virtual void TurnOffDepthStencil() = 0;
    virtual void SetDepthStateForParticles() = 0;
    virtual void TurnOnBackfaceCulling() = 0;
    virtual void TurnOffBackfaceCulling() = 0;
    virtual bool InitializeOutling() = 0;
    virtual void ClearOutlining() = 0;
    virtual void SetOutliningPassOne() = 0;
    virtual void SetOutliningPassTwo() = 0;

    // Render-target switches.
    virtual void ResetRenderTarget() = 0;
    virtual void ClearRenderTargetsForGBuffers() = 0;
    virtual void SetRenderTargetsForGBuffers() = 0;
    virtual void SetForwardRenderTarget() = 0;
    virtual void BeginRenderToShadowMap() = 0;
    virtual TextureHandle GetPostProcessingTexture1() const = 0;
    virtual TextureHandle GetPostProcessingTexture2() const = 0;

    // The scene, composition, line-of-sight and effect operations (EngineCommands.h). GE has already
    // checked the arguments and updated SceneData.
    virtual void Execute(const command::Command& command) = 0;
    // The shadow map's colour target as the scene passes sample it.
    virtual TextureHandle GetShadowMap() const = 0;

    // GUI pipeline.
    virtual void PrepareRenderGUI() = 0;
    virtual void RenderGUI(const glm::mat4& world, TextureHandle texture, float opacity) = 0;

    // Resources; arguments are already checked. A failed creation returns the empty handle, a release or
    // update of a handle the back end does not know returns false.
    virtual BufferHandle CreateBuffer(BUFFERTYPE type, std::span<const std::byte> vertices) = 0;
    virtual BufferHandle CreateDynamicBuffer(std::size_t byteWidth) = 0;
    virtual bool UpdateDynamicBuffer(BufferHandle buffer, std::span<const std::byte> bytes) = 0;
    virtual bool ReleaseBuffer(BufferHandle buffer) = 0;
    virtual TextureHandle Create2DTexture(const std::string& path, const ImageRGBA& image) = 0;
    virtual TextureHandle CreateTextureFromPixels(int width, int height,
                                                  std::span<const std::uint8_t> rgba) = 0;
    virtual bool ReleaseTexture(TextureHandle texture) = 0;
    // Creates instance buffer [index]: the next new index or one a release left free. The entry is kept
    // even when creation fails, so that indices stay those of the client's groups.
    virtual bool AddInstanceBuffer(int index, int count, std::span<const glm::mat4> matrices) = 0;
    virtual bool UpdateInstanceBuffers(std::span<const glm::mat4> matrices, int index) = 0;
    virtual bool ReleaseInstanceBuffer(int index) = 0;

    // Text. Layouts are GE's; the back end turns their glyphs into geometry placed at (x, y), draws what
    // was appended at RenderTextGeometry in one draw and counts the draws it issued.
    virtual void AnalyzeText(const TextLayout& layout, TextLayoutHandle handle, float x, float y,
                             std::uint32_t colour, std::uint32_t flags) = 0;
    virtual void RenderTextGeometry(std::uint32_t flags) = 0;
    virtual std::uint64_t TextDrawCount() const = 0;

    // Test support.
    virtual bool ReadBackBuffer(ImageRGBA& image) = 0;
    virtual void Finish() {}
    virtual const std::vector<RecordedCall>* RecordedCalls() const { return nullptr; }
    virtual void ClearRecordedCalls() {}
};

}  // namespace Lumaspace
