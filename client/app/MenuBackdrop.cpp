#include "client/app/MenuBackdrop.h"

#include "Lumagrid/GE.h"
#include "client/app/Camera.h"
#include "client/world/PlayerManager.h"
#include "client/world/ViewFrustum.h"

Lumaspace::DirectionalLight MenuBackdrop::NightLight() {
    Lumaspace::DirectionalLight light;
    light.ambient = {0.045f, 0.085f, 0.12f, 1.0f};
    light.diffuse = {0.18f, 0.34f, 0.48f, 1.0f};
    light.specular = {0.77f, 0.94f, 0.94f, 1.0f};
    light.direction = {-1.0f, -4.0f, -2.0f, 0.0f};
    return light;
}

void MenuBackdrop::Initialize(const std::string& levelName) {
    m_objects.Initialize(levelName);
    m_light = NightLight();
}

void MenuBackdrop::Shutdown() {
    m_objects.Shutdown();
}

void MenuBackdrop::Update(double frameTime, const Camera& camera) {
    m_objects.SetViewFrustum(ViewFrustum::FromCamera(camera.GetView(), camera.GetProjection()));
    m_objects.Update(frameTime);
}

void MenuBackdrop::Render(const Camera& camera, bool ambientOcclusion, PlayerManager* players) {
    Lumaspace::GE& engine = *Lumaspace::GE::GetInstance();
    m_light.cameraPosition = glm::vec4(camera.GetEye(), 0.0f);

    engine.BeginRenderToShadowMap();
    engine.PrepareRenderAnimatedDepth();
    m_objects.RenderAnimatedDepth();
    if (players != nullptr) {
        players->RenderShadowDepth();
    }
    engine.PrepareRenderDepthInstanced();
    m_objects.RenderDepthInstanced();
    engine.PrepareRenderDepth();
    m_objects.RenderDepth();
    engine.SetShadowMap();
    engine.SetSceneDirectionalLight(m_light);

    engine.ClearRenderTargetsForGBuffers();
    engine.SetRenderTargetsForGBuffers();
    engine.PrepareRenderAnimated();
    m_objects.RenderAnimated();
    if (players != nullptr) {
        players->RenderScene();
    }
    m_objects.RenderInstanced();
    engine.PrepareRenderScene();
    m_objects.Render();
    engine.RenderFoliage();

    engine.SetSSAOBuffer(camera.GetProjection());
    if (ambientOcclusion) {
        engine.RenderSSAO();
    }
    engine.SetScreenBuffer(m_light, camera.GetProjection(), camera.GetView());
    engine.SetPointLightLightBuffer(camera.GetView());
    engine.CompositionForward();
    engine.ResetRenderTarget();
    engine.TurnOnDepthStencil();
}
