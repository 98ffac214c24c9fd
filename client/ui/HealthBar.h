// The bar over a player in the match: a border, the red background and the green share of the player's
// health, with the player's name above it. The player places it every frame over a point of its model.
#pragma once

#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "client/ui/GUIElement.h"
#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

// How the scene is seen this frame: the camera's view and projection, and the window they fill.
struct ScreenProjection {
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    float windowWidth = 0.0f;
    float windowHeight = 0.0f;
};

class HealthBar {
public:
    static constexpr const char* kBorderTexture = "../Ombrin/2DTextures/GUI/hpBorder.png";
    static constexpr const char* kBackgroundTexture = "../Ombrin/2DTextures/GUI/hpRed.png";
    static constexpr const char* kHealthTexture = "../Ombrin/2DTextures/GUI/hpGreen.png";
    static constexpr float kNameAbove = 20.0f;
    static constexpr float kNameSize = 20.0f;

    // A bar of width x height pixels (the border's size) for the named player. Returns true.
    bool Initialize(const std::string& name, float width, float height);
    // Centres the bar on the screen point of worldPoint and sizes the green part by health / maximumHealth,
    // held to 0..1 and shrinking towards the left; a maximum of 0 or below (or either value not a number)
    // shows an empty bar. A point behind the camera hides the bar until a later update sees it again.
    void Update(const glm::vec3& worldPoint, const ScreenProjection& screen, float health,
                float maximumHealth);
    // Queues the border, the background, the health and the name; nothing once the match is over or while
    // the point is behind the camera.
    void Render(bool matchOver) const;
    void Shutdown();

    // The share of the bar shown green.
    static float HealthShare(float health, float maximumHealth);

    bool OnScreen() const { return m_onScreen; }
    const MenuItem& Border() const { return m_border; }
    const MenuItem& Background() const { return m_background; }
    const GUIElement& Health() const { return m_health; }
    const TextObject& Name() const { return m_name; }

private:
    MenuItem m_border;
    MenuItem m_background;
    GUIElement m_health;  // resized every update
    TextObject m_name;
    bool m_onScreen = false;
};
