#include "client/app/Camera.h"

#include <algorithm>
#include <cmath>
#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"

namespace {

constexpr glm::vec3 kOverviewEye{0.0f, 40.0f, -24.0f};
constexpr glm::vec3 kOverviewTarget{0.0f, 7.5f, 0.0f};
constexpr float kFollowHeight = 30.0f;
constexpr float kFollowBack = 15.0f;
// The light stands this far off the point it looks at.
constexpr glm::vec3 kLightOffset{25.0f, 100.0f, 50.0f};
// The shadow area is the window's size divided by this, in world units.
constexpr float kLightAreaDivisor = 13.0f;

float WindowWidth() {
    return static_cast<float>(std::max(1, ClientGlobals::GetInstance().windowWidth));
}
float WindowHeight() {
    return static_cast<float>(std::max(1, ClientGlobals::GetInstance().windowHeight));
}

// The engine when one is running; the camera's matrices are still built without one (tests).
Lumaspace::GE* Engine() {
    return Lumaspace::GE::GetInstanceIfCreated();
}

}  // namespace

void Camera::Reset() {
    m_eye = {0.0f, 40.0f, -20.0f};
    m_target = {0.0f, 0.0f, 0.0f};
    m_up = glm::normalize(glm::vec3(0.0f, 40.0f, 20.0f));
    m_look = glm::normalize(glm::vec3(0.0f, -40.0f, 20.0f));
    m_right = {1.0f, 0.0f, 0.0f};
    m_aspect = WindowWidth() / WindowHeight();
    m_view = glm::lookAtLH(m_eye, m_target, m_up);
    BuildProjection();
    Publish();
}

void Camera::Publish() const {
    if (Lumaspace::GE* engine = Engine()) {
        engine->SetViewAndProjection(m_view, m_projection);
    }
}

void Camera::BuildProjection() {
    m_projection = glm::perspectiveLH_ZO(kFieldOfView, m_aspect, kNear, kFar);
}

// The view from eye to target, with the up vector that keeps the camera's right pointing along +x.
void Camera::LookAt(const glm::vec3& eye, const glm::vec3& target) {
    m_eye = eye;
    m_target = target;
    m_look = glm::normalize(target - eye);
    m_up = glm::normalize(glm::cross(m_look, m_right));
    m_view = glm::lookAtLH(m_eye, m_target, m_up);
}

void Camera::SetLight(const glm::vec3& eye, const glm::vec3& target) {
    m_lightEye = eye;
    m_lightTarget = target;
    m_lightView = glm::lookAtLH(eye, target, glm::vec3(0.0f, 1.0f, 0.0f));
    const float halfWidth = WindowWidth() / kLightAreaDivisor / 2.0f;
    const float halfHeight = WindowHeight() / kLightAreaDivisor / 2.0f;
    m_lightProjection = glm::orthoLH_ZO(-halfWidth, halfWidth, -halfHeight, halfHeight, kNear, kFar);
    if (Lumaspace::GE* engine = Engine()) {
        engine->SetLightViewAndProjection(m_lightView, m_lightProjection);
    }
}

void Camera::UpdateOverview(double deltaTime) {
    m_orbitAngle += static_cast<float>(deltaTime) * kOrbitSpeed;
    if (m_orbitAngle > kFullTurn) {
        m_orbitAngle = 0.0f;
    }
    const float r = m_eye.x * std::cos(m_orbitAngle) + m_eye.z * std::sin(m_orbitAngle);
    SetLight(glm::vec3(0.8f * r, 0.0f, 0.0f) + kLightOffset, glm::vec3(0.8f * r, 5.0f, 0.0f));
    LookAt(kOverviewEye, kOverviewTarget);
    BuildProjection();
    Publish();
}

void Camera::FollowPlayer(float x, float y, float z, double frameTime) {
    const glm::vec3 player{x, y, z};
    SetLight(player + kLightOffset, player);
    m_viewPolygon =
        glm::lookAtLH(player + glm::vec3(0.0f, kFollowHeight, 0.0f), player, glm::vec3(0.0f, 0.0f, 1.0f));
    Lumaspace::GE* engine = Engine();
    if (engine != nullptr) {
        engine->SetViewPolygonMatrix(m_viewPolygon);
    }
    m_lastEye = player + glm::vec3(0.0f, kFollowHeight, -kFollowBack);
    m_lastTarget = player;
    if (ClientGlobals::GetInstance().cameraFollowsMouse) {
        FollowMouse(player);
    } else {
        LookAt(m_lastEye, player);
        BuildProjection();
        Publish();
        m_smoothedEye = m_eye;
    }
    if (engine != nullptr) {
        engine->UpdateVisibilityPolygon(Lumaspace::Point{x, z}, static_cast<float>(frameTime));
    }
}

void Camera::FollowMouse(const glm::vec3& player) {
    const Input& input = Input::GetInstance();
    const float h =
        std::clamp((static_cast<float>(input.GetMouseX()) - WindowWidth() * 0.5f) / 440.0f, -1.0f, 1.0f);
    const float v =
        std::clamp((static_cast<float>(input.GetMouseY()) - WindowHeight() * 0.5f) / 352.0f, -1.0f, 1.0f);
    const glm::vec3 wanted{player.x + kLead * h, player.y + kFollowHeight,
                           player.z - kLead * v - kFollowBack};
    glm::vec3 eye = m_smoothedEye + (wanted - m_smoothedEye) * kEasing;
    eye.x = std::clamp(eye.x, kMinX, kMaxX);
    eye.z = std::clamp(eye.z, kMinZ, kMaxZ);
    LookAt(eye, glm::vec3(eye.x, 0.0f, eye.z + kFollowBack));
    BuildProjection();
    Publish();
    m_smoothedEye = eye;
    m_lastEye = eye;
    m_lastTarget = player;
}

void Camera::Resize(bool fullscreen) {
    ClientGlobals& globals = ClientGlobals::GetInstance();
    globals.screenChanging = true;
    globals.windowWidth = fullscreen ? globals.screenWidth : globals.defaultWindowWidth;
    globals.windowHeight = fullscreen ? globals.screenHeight : globals.defaultWindowHeight;
    m_aspect = WindowWidth() / WindowHeight();
    BuildProjection();
    Publish();
    globals.screenChanging = false;
}
