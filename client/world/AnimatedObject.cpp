#include "client/world/AnimatedObject.h"

#include "Lumagrid/GE.h"
#include "client/world/Model.h"

namespace {

// The "lightEmitter" joint's glow: a wide light and a small bright core.
Lumaspace::PointLight WideLight(const glm::vec3& position) {
    Lumaspace::PointLight light;
    light.diffuse = {1.6f, 0.8f, 0.0f, 0.0f};
    light.specular = {0.8f, 0.4f, 0.0f, 0.0f};
    light.position = position;
    light.range = 5.0f;
    return light;
}

Lumaspace::PointLight CoreLight(const glm::vec3& position) {
    Lumaspace::PointLight light;
    light.ambient = {2.4f, 1.2f, 0.0f, 0.0f};
    light.specular = {0.8f, 0.4f, 0.0f, 0.0f};
    light.position = position;
    light.range = 0.5f;
    return light;
}

}  // namespace

bool AnimatedObject::Initialize(const std::string& modelPath, const glm::vec3& position,
                                const glm::vec3& rotation, const glm::vec3& scale) {
    const bool drawable = MovingObject::Initialize(modelPath, position, rotation, scale);
    m_animation = AnimationState();
    for (const ModelAnimation& animation : GetBaseModel().GetAnimations()) {
        m_animation.AddAnimation(animation);
    }
    m_animation.BindLevelClips();
    m_frameTime = 0.0;
    return drawable;
}

void AnimatedObject::Shutdown() {
    m_animation = AnimationState();
    m_frameTime = 0.0;
}

void AnimatedObject::Update(double frameTime) {
    m_frameTime = frameTime;
}

void AnimatedObject::Render() {
    if (!HasGraphics()) {
        return;
    }
    const Model& model = *GetModel();
    Lumaspace::GE::GetInstance()->RenderAnimated(model.GetBuffer(), model.GetVertexCount(), GetWorldMatrix(),
                                                 model.GetTexture(), model.GetNormalMapTexture(),
                                                 m_animation.GetJointMatrices());
    AddEmitterLight();
}

void AnimatedObject::RenderDepth() {
    m_animation.Advance(m_frameTime);
    m_frameTime = 0.0;
    if (!HasGraphics()) {
        return;
    }
    const Model& model = *GetModel();
    Lumaspace::GE::GetInstance()->RenderAnimatedDepth(model.GetBuffer(), model.GetVertexCount(),
                                                      GetWorldMatrix(), model.GetTexture(),
                                                      m_animation.GetJointMatrices());
}

void AnimatedObject::AddEmitterLight() const {
    if (!m_animation.HasLight()) {
        return;
    }
    const glm::vec3 place = glm::vec3(GetWorldMatrix() * glm::vec4(m_animation.GetLightPosition(), 1.0f));
    Lumaspace::GE& engine = *Lumaspace::GE::GetInstance();
    engine.AddNewPointLight(WideLight(place));
    engine.AddNewPointLight(CoreLight(place));
}
