// The local player's aim markers: while smart casting is off, each held ability key shows on the ground where
// the ability would go. Four marker models make every marker: the circle (areas), the arrow end and the
// arrow body (aims along a line) and the cone (melee). Markers lie kMarkerHeight above the ground, follow
// the aim from the player to the mouse's ground point, and stop at obstacles and at the ability's range
// (AimMarkerStyle.h says which marker each ability shows).
//
// The player calls Show for each held key during its render and hands Markers() to the particle pass, which
// draws them flat and translucent; Clear empties them for the next frame.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include "client/ui/ParticleRenderer.h"

class Ability;
class CollisionManager;
class Model;

// The four marker models, in this order.
enum class MarkerModel : std::size_t { Circle = 0, ArrowEnd = 1, ArrowBody = 2, Cone = 3 };
inline constexpr std::array<const char*, 4> kMarkerModelPaths = {
    "../Ombrin/Models/Marker_CircleShape.ZMD", "../Ombrin/Models/Marker_ArrowEndShape.ZMD",
    "../Ombrin/Models/Marker_ArrowStartShape.ZMD", "../Ombrin/Models/Marker_ConeShape.ZMD"};
inline constexpr float kMarkerHeight = 0.03f;

// The models by MarkerModel; a null model (not a client model, or not loaded) draws nothing.
using MarkerModels = std::array<const Model*, 4>;
// The four models from the model library.
MarkerModels MarkerModelsFromLibrary();

// One marker as placed: which model, where, turned by yaw (radians about the up axis) and scaled.
struct PlacedMarker {
    MarkerModel model;
    glm::vec3 position;
    float yaw;
    glm::vec3 scale;

    // Scale, then the yaw, then the move to position (the object world matrix).
    glm::mat4 WorldMatrix() const;
};

class AimMarkers {
public:
    explicit AimMarkers(const MarkerModels& models) : m_models(models) {}

    // Shows the marker of ability for a player standing at player, aiming at the mouse's ground point that
    // collision holds; obstacles are collision's. Returns false, showing nothing, when the ability may not
    // be used now (the player then says so). A plain Ability (no ability) shows nothing.
    //
    // With the mouse on the player (no direction to it) the last aim direction is kept; before any aim it
    // is +z.
    bool Show(const Ability& ability, const glm::vec3& player, const CollisionManager& collision);

    // The markers shown since the last Clear, as placed and as the particle pass draws them.
    std::span<const PlacedMarker> Placed() const { return m_placed; }
    std::span<const ParticleMarker> Markers() const { return m_markers; }
    void Clear();

    // The unit aim direction in the ground plane (x, z).
    glm::vec2 AimDirection() const { return m_direction; }

private:
    void Add(const PlacedMarker& marker);

    MarkerModels m_models;
    glm::vec2 m_direction{0.0f, 1.0f};
    std::vector<PlacedMarker> m_placed;
    std::vector<ParticleMarker> m_markers;
};
