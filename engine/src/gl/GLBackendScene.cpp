// The scene, depth and screen-space operations of the OpenGL back end: handles become GL names, the frame
// record supplies the camera and the lights, and the pipelines draw.
#include "gl/GLBackend.h"

namespace Lumaspace {

GLuint GLBackend::SceneShadowMap() const {
    return m_scene->frame.sceneShadowMap ? m_textures.Resolve(m_scene->frame.sceneShadowMap)
                                         : m_sceneShader.NoShadowMap();
}

SceneShader::Model GLBackend::SceneModel(const command::RenderScene& record) const {
    return {m_buffers.Resolve(record.buffer), record.count, record.world, m_textures.Resolve(record.texture),
            m_textures.Resolve(record.normalMap)};
}

// ---- G-buffer, forward, lines, outlines, reversed shadows ----------------------------------------------
void GLBackend::Run(const command::PrepareRenderAnimated&) {
    m_sceneShader.PrepareAnimated(SceneShadowMap());
}

void GLBackend::Run(const command::RenderAnimated& record) {
    m_sceneShader.RenderAnimated({m_buffers.Resolve(record.buffer), record.count, record.world,
                                  m_textures.Resolve(record.texture), m_textures.Resolve(record.normalMap)},
                                 record.bones, m_scene->frame);
}

void GLBackend::Run(const command::PrepareRenderScene&) {
    m_sceneShader.PrepareScene();
}

void GLBackend::Run(const command::RenderScene& record) {
    m_sceneShader.RenderScene(SceneModel(record), m_scene->frame);
}

void GLBackend::Run(const command::RenderInstanced& record) {
    m_sceneShader.RenderInstanced({m_buffers.Resolve(record.buffer), record.count, record.world,
                                   m_textures.Resolve(record.texture), m_textures.Resolve(record.normalMap)},
                                  m_instanceBuffers.Buffer(record.index),
                                  m_instanceBuffers.WrittenCount(record.index), SceneShadowMap(),
                                  m_scene->frame);
}

void GLBackend::Run(const command::RenderSceneForward& record) {
    m_sceneShader.RenderForward(SceneModel(record), SceneShadowMap(), m_scene->frame);
}

void GLBackend::Run(const command::RenderLines& record) {
    m_sceneShader.RenderLines(m_buffers.Resolve(record.buffer), record.count, record.colour, record.world,
                              m_scene->frame);
}

void GLBackend::Run(const command::RenderAnimatedOutliningDepth& record) {
    m_sceneShader.RenderOutlineDepth(m_buffers.Resolve(record.buffer), record.count, record.world,
                                     record.bones, m_scene->frame);
}

void GLBackend::Run(const command::RenderAnimatedOutlining& record) {
    m_sceneShader.RenderOutline(m_buffers.Resolve(record.buffer), record.count, record.world, record.bones,
                                record.colour, m_scene->frame);
}

void GLBackend::Run(const command::RenderReversedShadows& record) {
    m_sceneShader.RenderReversedShadows(m_buffers.Resolve(record.buffer), record.count,
                                        m_textures.Resolve(record.visibility),
                                        m_textures.Resolve(record.shadow), m_scene->frame);
}

// ---- Shadow map ------------------------------------------------------------------------------------------
void GLBackend::Run(const command::PrepareRenderAnimatedDepth&) {
    m_depthShader.PrepareAnimated();
}

void GLBackend::Run(const command::RenderAnimatedDepth& record) {
    m_depthShader.RenderAnimated(m_buffers.Resolve(record.buffer), record.count, record.world,
                                 m_textures.Resolve(record.texture), record.bones, m_scene->frame);
}

void GLBackend::Run(const command::PrepareRenderDepthInstanced&) {
    m_depthShader.PrepareInstanced();
}

void GLBackend::Run(const command::RenderDepthInstanced& record) {
    m_depthShader.RenderInstanced(m_buffers.Resolve(record.buffer), record.count, record.world,
                                  m_textures.Resolve(record.texture), m_instanceBuffers.Buffer(record.index),
                                  m_instanceBuffers.WrittenCount(record.index), m_scene->frame);
}

void GLBackend::Run(const command::PrepareRenderDepth&) {
    m_depthShader.PrepareStatic();
}

void GLBackend::Run(const command::RenderDepth& record) {
    m_depthShader.RenderStatic(m_buffers.Resolve(record.buffer), record.count, record.world,
                               m_textures.Resolve(record.texture), m_scene->frame);
}

// ---- Scene state -----------------------------------------------------------------------------------------
void GLBackend::Run(const command::SetSceneFog& record) {
    m_sceneShader.SetFog({record.start, record.end, record.density});
}

void GLBackend::Run(const command::SetSceneDirectionalLight& record) {
    m_sceneShader.SetDirectionalLight(record.light);
}

void GLBackend::Run(const command::SetShadowMapDimensions& record) {
    m_sceneShader.SetShadowMapWidth(record.width);
}

void GLBackend::Run(const command::SetLightBuffer& record) {
    // A client texture at slot 7's 2D binding; the light pass reads its buffer texture there, which stays.
    glActiveTexture(GL_TEXTURE7);
    glBindTexture(GL_TEXTURE_2D, m_textures.Resolve(record.buffer));
    glActiveTexture(GL_TEXTURE0);
}

// ---- Composition, point lights, ambient occlusion, depth of field ---------------------------------------
void GLBackend::Run(const command::SetScreenBuffer& record) {
    m_screenSpace.SetScreenBuffer(record.light, record.projection, record.view, m_scene->frame.lightView,
                                  m_scene->frame.lightProjection);
}

void GLBackend::Run(const command::SetPointLightLightBuffer&) {
    m_screenSpace.SetLightBuffer(m_scene->pointLights.GetVisible());
}

void GLBackend::Run(const command::SetSSAOBuffer& record) {
    m_screenSpace.SetSSAOBuffer(record.projection);
}

void GLBackend::Run(const command::RenderSSAO&) {
    m_screenSpace.RenderSSAO(m_device);
}

void GLBackend::Run(const command::ClearSSAO&) {
    m_screenSpace.ClearSSAO(m_device);
}

void GLBackend::Run(const command::Composition&) {
    m_sceneShader.BindCompositionInputs(SceneShadowMap());
    m_screenSpace.Composition(m_device, PassTarget::Forward, m_scene->pointLights.GetVisible().size());
}

void GLBackend::Run(const command::CompositionForward&) {
    m_sceneShader.BindCompositionInputs(SceneShadowMap());
    m_screenSpace.Composition(m_device, PassTarget::BackBuffer, m_scene->pointLights.GetVisible().size());
}

void GLBackend::Run(const command::ApplyDOF&) {
    m_screenSpace.ApplyDOF(m_device);
}

}  // namespace Lumaspace
