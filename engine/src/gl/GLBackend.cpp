#include "gl/GLBackend.h"

#include <variant>

namespace Lumaspace {

bool GLBackend::Initialize(const BackendSetup& setup) {
    m_scene = setup.scene;
    m_windowWidth = setup.windowWidth;
    m_windowHeight = setup.windowHeight;
    const int screenWidth = static_cast<int>(setup.screenWidth);
    const int screenHeight = static_cast<int>(setup.screenHeight);

    m_deviceStarted = true;  // from here on Shutdown has a context to release
    if (!m_device.Initialize(setup.window, screenWidth, screenHeight, setup.fullScreen)) {
        return false;
    }
    m_device.Present();
    m_diagnostics.Compose("OpenGL version: " + m_device.Version());

    if (!m_textures.Initialize()) {
        m_diagnostics.Compose("Failed to create the empty texture.");
        return false;
    }
    m_gBuffer0 = m_textures.RegisterEngineTexture(m_device.Targets().GBufferTexture(0));
    m_gBuffer1 = m_textures.RegisterEngineTexture(m_device.Targets().GBufferTexture(1));

    if (!StartPipelines()) {
        return false;
    }
    if (!m_shadowMap.Initialize(screenWidth, screenHeight, m_diagnostics)) {
        return false;
    }
    m_shadowMapTexture = m_textures.RegisterEngineTexture(m_shadowMap.ColourTexture());
    m_diagnostics.Compose("Map size: " + std::to_string(screenWidth) + "x" + std::to_string(screenHeight));
    if (!StartEffects(setup)) {
        return false;
    }
    if (!m_textShader.Initialize(m_programs, m_diagnostics)) {
        return false;
    }
    // The pipelines bind the back buffer's pairing last, as the device left it.
    m_device.ResetRenderTarget();
    return true;
}

void GLBackend::Execute(const command::Command& command) {
    std::visit([this](const auto& record) { Run(record); }, command);
}

bool GLBackend::StartPipelines() {
    return m_sceneShader.Initialize(m_programs, m_diagnostics, m_device.Targets().Width(),
                                    m_device.Targets().Height()) &&
           m_guiShader.Initialize(m_programs, m_diagnostics) &&
           m_particleShader.Initialize(m_programs, m_diagnostics) &&
           m_depthShader.Initialize(m_programs, m_diagnostics) &&
           m_foliageShader.Initialize(m_programs, m_textures, m_diagnostics) &&
           m_screenSpace.Initialize(m_programs, m_diagnostics, m_device.Targets());
}

void GLBackend::Shutdown() {
    if (!m_deviceStarted) {
        return;
    }
    m_deviceStarted = false;
    if (!m_device.Ready()) {
        m_device.Shutdown();  // no usable context was made: nothing else exists
        return;
    }
    m_particleShader.Shutdown();
    m_shadowMap.Shutdown();
    m_sceneShader.Shutdown();
    m_guiShader.Shutdown();
    m_depthShader.Shutdown();
    m_foliageShader.Shutdown();
    m_screenSpace.Shutdown();
    m_textShader.Shutdown();
    ShutdownEffects();
    m_programs.Shutdown();
    m_instanceBuffers.Shutdown();
    // Buffers and textures the client did not release go with the context; delete them first all the same.
    m_buffers.Shutdown();
    m_textures.Shutdown();
    m_device.Shutdown();
}

bool GLBackend::ToggleFullscreen(bool fullScreen, float width, float height) {
    if (!m_device.ToggleFullscreen(fullScreen, static_cast<int>(width), static_cast<int>(height))) {
        return false;
    }
    m_windowWidth = width;
    m_windowHeight = height;
    return true;
}

void GLBackend::BeginRenderToShadowMap() {
    GraphicsDevice::UnbindTextureUnits({0, 2});
    m_shadowMap.BindAndClear();
}

void GLBackend::RenderGUI(const glm::mat4& world, TextureHandle texture, float opacity) {
    m_guiShader.Render(world, m_textures.Resolve(texture), opacity, m_windowWidth, m_windowHeight,
                       m_diagnostics);
}

void GLBackend::RenderTextGeometry(std::uint32_t flags) {
    m_textShader.Draw(flags, m_device.Targets().Width(), m_device.Targets().Height(), m_diagnostics);
}

BufferHandle GLBackend::CreateBuffer(BUFFERTYPE, std::span<const std::byte> vertices) {
    return m_buffers.CreateStatic(vertices);
}

bool GLBackend::UpdateDynamicBuffer(BufferHandle buffer, std::span<const std::byte> bytes) {
    return m_buffers.Update(buffer, bytes);
}

TextureHandle GLBackend::Create2DTexture(const std::string&, const ImageRGBA& image) {
    return m_textures.Create(image.width, image.height, image.pixels.data(), true);
}

TextureHandle GLBackend::CreateTextureFromPixels(int width, int height, std::span<const std::uint8_t> rgba) {
    return m_textures.Create(width, height, rgba.data(), false);
}

bool GLBackend::AddInstanceBuffer(int index, int count, std::span<const glm::mat4> matrices) {
    return m_instanceBuffers.Add(index, count, matrices);
}

bool GLBackend::ReleaseInstanceBuffer(int index) {
    return m_instanceBuffers.Release(index);
}

bool GLBackend::UpdateInstanceBuffers(std::span<const glm::mat4> matrices, int index) {
    return m_instanceBuffers.Update(matrices, index);
}

}  // namespace Lumaspace
