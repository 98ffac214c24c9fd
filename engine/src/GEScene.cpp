// GE's scene and depth pipelines and the scene state they read: each operation updates the frame record where
// it sets state and hands its record to the back end.
#include "GESubmit.h"

namespace Lumaspace {

void GE::PrepareRenderAnimated() {
    Submit(command::PrepareRenderAnimated{});
}

void GE::RenderAnimated(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                        TextureHandle normalMap, std::span<const glm::mat4> bones) {
    Submit(command::RenderAnimated{buffer, count, world, texture, normalMap,
                                   BoneList(bones, m_scene.get(), m_diagnostics)});
}

void GE::PrepareRenderScene() {
    Submit(command::PrepareRenderScene{});
}

void GE::RenderScene(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                     TextureHandle normalMap) {
    Submit(command::RenderScene{buffer, count, world, texture, normalMap});
}

void GE::RenderInstanced(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                         TextureHandle normalMap, int index) {
    Submit(command::RenderInstanced{buffer, count, world, texture, normalMap, index});
}

void GE::RenderSceneForward(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                            TextureHandle normalMap) {
    Submit(command::RenderSceneForward{{buffer, count, world, texture, normalMap}});
}

void GE::RenderLines(BufferHandle buffer, int count, const glm::vec3& colour, const glm::mat4& world) {
    Submit(command::RenderLines{buffer, count, colour, world});
}

void GE::RenderAnimatedOutliningDepth(BufferHandle buffer, int count, const glm::mat4& world,
                                      std::span<const glm::mat4> bones) {
    Submit(command::RenderAnimatedOutliningDepth{buffer, count, world,
                                                 BoneList(bones, m_scene.get(), m_diagnostics)});
}

void GE::RenderAnimatedOutlining(BufferHandle buffer, int count, const glm::mat4& world,
                                 std::span<const glm::mat4> bones, const glm::vec4& colour) {
    Submit(command::RenderAnimatedOutlining{buffer, count, world,
                                            BoneList(bones, m_scene.get(), m_diagnostics), colour});
}

void GE::RenderReversedShadows(BufferHandle buffer, int count, TextureHandle visibility,
                               TextureHandle shadow) {
    Submit(command::RenderReversedShadows{buffer, count, visibility, shadow});
}

void GE::PrepareRenderDepth() {
    Submit(command::PrepareRenderDepth{});
}

void GE::RenderDepth(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture) {
    Submit(command::RenderDepth{buffer, count, world, texture});
}

void GE::PrepareRenderDepthInstanced() {
    Submit(command::PrepareRenderDepthInstanced{});
}

void GE::RenderDepthInstanced(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                              int index) {
    Submit(command::RenderDepthInstanced{buffer, count, world, texture, index});
}

void GE::PrepareRenderAnimatedDepth() {
    Submit(command::PrepareRenderAnimatedDepth{});
}

void GE::RenderAnimatedDepth(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                             std::span<const glm::mat4> bones) {
    Submit(command::RenderAnimatedDepth{buffer, count, world, texture,
                                        BoneList(bones, m_scene.get(), m_diagnostics)});
}

void GE::SetViewAndProjection(const glm::mat4& view, const glm::mat4& projection) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.view = view;
    m_scene->frame.projection = projection;
    Submit(command::SetViewAndProjection{view, projection});
}

void GE::SetLightViewAndProjection(const glm::mat4& lightView, const glm::mat4& lightProjection) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.lightView = lightView;
    m_scene->frame.lightProjection = lightProjection;
    Submit(command::SetLightViewAndProjection{lightView, lightProjection});
}

void GE::SetSceneFog(float start, float end, float density) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.fog = {start, end, density};
    Submit(command::SetSceneFog{start, end, density});
}

void GE::SetSceneDirectionalLight(const DirectionalLight& light) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.sceneLight = light;
    Submit(command::SetSceneDirectionalLight{light});
}

void GE::SetShadowMapDimensions(float width, float height) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.shadowMapWidth = width;
    Submit(command::SetShadowMapDimensions{width, height});
}

void GE::SetShadowMap() {
    if (!m_backend) {
        return;
    }
    m_scene->frame.sceneShadowMap = m_backend->GetShadowMap();
    Submit(command::SetShadowMap{});
}

TextureHandle GE::GetShadowMap() const {
    return m_backend ? m_backend->GetShadowMap() : TextureHandle{};
}

TextureHandle GE::GetSceneShaderShadowMap() const {
    return m_backend ? m_scene->frame.sceneShadowMap : TextureHandle{};
}

void GE::SetLightBuffer(TextureHandle buffer) {
    Submit(command::SetLightBuffer{buffer});
}

}  // namespace Lumaspace
