#include "client/world/Object.h"

#include <cmath>

#include <glm/ext/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include "Lumagrid/GE.h"
#include "client/world/Model.h"
#include "shared/ModelLibrary.h"
#include "shared/collision/ModelPlacement.h"

namespace {

constexpr double kSwayAmplitude = 0.0001;  // radians of yaw per frame at the top of the swing

Float3 ToFloat3(const glm::vec3& v) {
    return Float3{v.x, v.y, v.z};
}

glm::quat ToQuat(const Float4& q) {
    return glm::quat(q.w, q.x, q.y, q.z);
}

const BaseModel& EmptyModel() {
    static const BaseModel empty;
    return empty;
}

}  // namespace

bool Object::IsFoliagePath(const std::string& modelPath) {
    for (const char* word : {"Bush", "Tree", "tree"}) {
        if (modelPath.find(word) != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool Object::Initialize(const std::string& modelPath, const glm::vec3& position, const glm::vec3& rotation,
                        const glm::vec3& scale) {
    m_modelPath = modelPath;
    m_baseModel = &ModelLibrary::GetInstance().Get(modelPath);
    m_model = dynamic_cast<const Model*>(m_baseModel);
    m_position = position;
    m_rotation = rotation;
    m_scale = scale;
    m_foliage = IsFoliagePath(modelPath);
    m_swayTime = 0.0;
    m_instanceIndex = -1;
    UpdateWorldMatrix();
    PlaceVolumes();
    return HasGraphics();
}

bool Object::Initialize(const std::string& modelPath, const glm::vec3& position) {
    return Initialize(modelPath, position, glm::vec3(0.0f), glm::vec3(1.0f));
}

const BaseModel& Object::GetBaseModel() const {
    return m_baseModel != nullptr ? *m_baseModel : EmptyModel();
}

bool Object::HasGraphics() const {
    return m_model != nullptr && m_model->GetBuffer() && m_model->GetVertexCount() > 0;
}

float Object::GetHorizontalRadius() const {
    return GetBaseModel().GetHorizontalRadius();
}

void Object::SetPosition(const glm::vec3& position) {
    m_position = position;
    UpdateWorldMatrix();
}

void Object::SetRotation(const glm::vec3& rotation) {
    m_rotation = rotation;
    UpdateWorldMatrix();
}

// Scale first, then the roll-pitch-yaw turn the collision code uses, then the move to the position.
void Object::UpdateWorldMatrix() {
    const glm::quat turn = ToQuat(RollPitchYawQuaternion(ToFloat3(m_rotation)));
    m_world = glm::translate(glm::mat4(1.0f), m_position) * glm::mat4_cast(turn) *
              glm::scale(glm::mat4(1.0f), m_scale);
}

// Box centres and sphere centres go through the world matrix; half-sizes and radii are the model's (the
// volumes ignore the scale), and every box takes the object's turn.
void Object::PlaceVolumes() {
    m_volumes = {};
    const BaseModel& model = GetBaseModel();
    const Float4 turn = RollPitchYawQuaternion(ToFloat3(m_rotation));
    const Float3 position = ToFloat3(m_position);
    const auto scaled = [this](const Float3& p) {
        return Float3{p.x * m_scale.x, p.y * m_scale.y, p.z * m_scale.z};
    };
    for (const CollisionBox& box : model.GetBoxes()) {
        m_volumes.boxes.push_back(
            MakeCollisionOBB(PlaceModelPoint(scaled(box.center), turn, position), box.halfSizes, turn));
    }
    for (const CollisionSphere& sphere : model.GetSpheres()) {
        m_volumes.spheres.push_back(
            CollisionSphere{PlaceModelPoint(scaled(sphere.center), turn, position), sphere.radius});
    }
}

void Object::Sway(double frameTime) {
    m_swayTime += frameTime;
    m_rotation.y += static_cast<float>(std::sin(m_swayTime) * kSwayAmplitude);
    UpdateWorldMatrix();
}

void Object::Render() {
    if (HasGraphics()) {
        Lumaspace::GE::GetInstance()->RenderScene(m_model->GetBuffer(), m_model->GetVertexCount(), m_world,
                                                  m_model->GetTexture(), m_model->GetNormalMapTexture());
    }
}

void Object::RenderForward() {
    if (HasGraphics()) {
        Lumaspace::GE::GetInstance()->RenderSceneForward(m_model->GetBuffer(), m_model->GetVertexCount(),
                                                         m_world, m_model->GetTexture(),
                                                         m_model->GetNormalMapTexture());
    }
}

void Object::RenderDepth() {
    if (HasGraphics()) {
        Lumaspace::GE::GetInstance()->RenderDepth(m_model->GetBuffer(), m_model->GetVertexCount(), m_world,
                                                  m_model->GetTexture());
    }
}

void Object::RenderDepthInstanced() {
    if (HasGraphics()) {
        Lumaspace::GE::GetInstance()->RenderDepthInstanced(m_model->GetBuffer(), m_model->GetVertexCount(),
                                                           m_world, m_model->GetTexture(), m_instanceIndex);
    }
}

void Object::RenderInstanced() {
    if (HasGraphics()) {
        Lumaspace::GE::GetInstance()->RenderInstanced(m_model->GetBuffer(), m_model->GetVertexCount(),
                                                      m_world, m_model->GetTexture(),
                                                      m_model->GetNormalMapTexture(), m_instanceIndex);
    }
}
