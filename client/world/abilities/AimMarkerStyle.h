// How the aim of each ability is shown on the ground while its key is held: a cone ahead of the player (the
// melee attacks), an arrow to the aimed point (thrown weapons and dashes), an arrow body alone (the short
// reaches), or a circle at the aimed point or round the player (areas).
#pragma once

#include "protocol/MessageIds.h"

enum class AimMarkerKind {
    Cone,
    Arrow,
    ArrowBody,
    Circle,
    CircleOnPlayer,
};

struct AimMarkerStyle {
    AimMarkerKind kind;
    // Arrows: the body's width scale, 1 (narrow) or 5 (wide).
    float width = 1.0f;
    // How far the marker may reach; 0 for no limit but the mouse and the obstacles.
    float range = 0.0f;
    // Arrows: only boxes taller than a low wall stop the arrow (every ability but the dash).
    bool tallOnly = true;
    // Circles: the radius of the area drawn.
    float radius = 0.0f;
};

// The style of an ability; the tools take their area radius and range from the ability table.
AimMarkerStyle AimMarkerStyleOf(protocol::AbilityId id);
