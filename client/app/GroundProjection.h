// Where the screen meets the arena's ground: the ground point under a window pixel (the mouse, the corners),
// the area of the ground the window shows, and the facing of a player aiming at a ground point.
//
// Window pixels count from the top left corner of the client area, x to the right and y down (the mouse's
// own coordinates); the camera's matrices are the left-handed view and the depth-0..1 projection.
#pragma once

#include <optional>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// The ground plane (y = 0) point under pixel (x, y) of a width x height window; none when the pixel's ray
// runs level with the ground or away from it.
std::optional<glm::vec3> GroundUnderPixel(float x, float y, float width, float height, const glm::mat4& view,
                                          const glm::mat4& projection);

// The ground the window shows: the points under its four corners and its centre. A corner whose ray misses
// the ground is taken as the centre.
struct ScreenGround {
    glm::vec3 topLeft{0.0f};
    glm::vec3 topRight{0.0f};
    glm::vec3 bottomRight{0.0f};
    glm::vec3 bottomLeft{0.0f};
    glm::vec3 centre{0.0f};

    float MinX() const;
    float MaxX() const;
    float MinZ() const;
    float MaxZ() const;
};
ScreenGround GroundOfScreen(float width, float height, const glm::mat4& view, const glm::mat4& projection);

// The half-extents of the line-of-sight texture's projection: the widest corner's distance from the centre
// in x, and 1.1 times the deepest corner's distance from the centre in z.
struct VisibilityExtents {
    float horizontal = 0.0f;
    float vertical = 0.0f;
};
VisibilityExtents VisibilityExtentsOf(const ScreenGround& ground);

// The facing of a player at player aiming at point: the normalised vector between them on the ground plane.
// When the point lies on the player (or either is not finite) there is no direction, and previous is kept.
glm::vec3 FacingTowards(const glm::vec3& player, const glm::vec3& point, const glm::vec3& previous);
