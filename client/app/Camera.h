// The view and projection of the 3D scene, the shadow light's view and projection, and the straight-down
// view of the line-of-sight polygon. The menu and the lobby show a fixed overview of the arena while the
// shadow light sweeps slowly around; the match looks down on the local player, either from a fixed place
// behind it or leading towards the mouse.
//
// Every change is handed to the running engine (SetViewAndProjection, SetLightViewAndProjection and, in the
// match, SetViewPolygonMatrix and UpdateVisibilityPolygon); without one only the matrices are built.
//
// World units, y up, left-handed, depth 0..1. The matrices are glm matrices of the transforms (the same bytes
// as the row-vector matrices the scene passes take).
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

class Camera {
public:
    static constexpr float kFieldOfView = 0.7853982f;  // pi / 4
    static constexpr float kNear = 0.1f;
    static constexpr float kFar = 1000.0f;
    static constexpr float kOrbitSpeed = 0.0625f;  // radians per second of the overview's shadow light
    static constexpr float kFullTurn = 6.28f;
    // The mouse-leading camera: how far it leads, how much of the way it closes per update, and where it
    // stops so that it never leaves the arena.
    static constexpr float kLead = 8.0f;
    static constexpr float kEasing = 0.15625f;
    static constexpr float kMinX = -38.0f;
    static constexpr float kMaxX = 38.0f;
    static constexpr float kMinZ = -58.0f;
    static constexpr float kMaxZ = 35.0f;

    // The overview's start: eye (0, 40, -20) looking at the origin, the projection for the current window.
    void Reset();
    // The menu's and the lobby's camera (and the match's once it is won): the shadow light turns a little
    // further around the arena and the scene is seen from (0, 40, -24).
    void UpdateOverview(double deltaTime);
    // The match camera around the local player at (x, y, z): the shadow light, the straight-down view of the
    // line-of-sight polygon, the scene view, and the polygon recomputed around the player for this frame.
    void FollowPlayer(float x, float y, float z, double frameTime);
    // After the window changed between windowed and full screen: the window size and the projection follow.
    void Resize(bool fullscreen);

    const glm::mat4& GetView() const { return m_view; }
    const glm::mat4& GetProjection() const { return m_projection; }
    const glm::mat4& GetLightView() const { return m_lightView; }
    const glm::mat4& GetLightProjection() const { return m_lightProjection; }
    const glm::mat4& GetViewPolygonMatrix() const { return m_viewPolygon; }
    const glm::vec3& GetEye() const { return m_eye; }
    const glm::vec3& GetTarget() const { return m_target; }
    const glm::vec3& GetLastEye() const { return m_lastEye; }
    const glm::vec3& GetLastTarget() const { return m_lastTarget; }
    const glm::vec3& GetLightEye() const { return m_lightEye; }
    const glm::vec3& GetLightTarget() const { return m_lightTarget; }
    float GetOrbitAngle() const { return m_orbitAngle; }
    float GetAspect() const { return m_aspect; }

private:
    void LookAt(const glm::vec3& eye, const glm::vec3& target);
    void BuildProjection();
    // Hands the view and the projection to the engine.
    void Publish() const;
    void SetLight(const glm::vec3& eye, const glm::vec3& target);
    void FollowMouse(const glm::vec3& player);

    glm::vec3 m_eye{0.0f};
    glm::vec3 m_target{0.0f};
    glm::vec3 m_look{0.0f, 0.0f, 1.0f};
    glm::vec3 m_up{0.0f, 1.0f, 0.0f};
    glm::vec3 m_right{1.0f, 0.0f, 0.0f};
    glm::mat4 m_view{1.0f};
    glm::mat4 m_projection{1.0f};
    glm::mat4 m_lightView{1.0f};
    glm::mat4 m_lightProjection{1.0f};
    glm::mat4 m_viewPolygon{1.0f};
    float m_aspect = 1.25f;
    glm::vec3 m_smoothedEye{0.0f};
    glm::vec3 m_lastEye{0.0f};
    glm::vec3 m_lastTarget{0.0f};
    glm::vec3 m_lightEye{0.0f};
    glm::vec3 m_lightTarget{0.0f};
    float m_orbitAngle = 0.0f;
};
