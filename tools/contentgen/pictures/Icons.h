// The game's symbols drawn into a square of a picture: weapons, abilities and tools. Each draws into the
// square centred on center with half size half; coordinates inside run from -1 to 1, y downwards.
#pragma once

#include <glm/glm.hpp>

#include "pictures/Image.h"

struct IconFrame {
    glm::vec2 center;
    float half = 1.0f;

    glm::vec2 At(float x, float y) const { return center + glm::vec2(x, y) * half; }
    float Size(float s) const { return s * half; }
};

enum class Motif {
    Shuriken,
    MegaShuriken,
    KatanaSlash,
    Dash,
    Fan,
    FanBoomerang,
    WhipLash,
    WhipSweep,
    NaginataSlash,
    Kunai,
    NaginataStab,
    Volley,
    Caltrops,
    SmokeBomb,
    StickyTrap,
    FlashBang,
    Mist,
};

void DrawMotif(Image& image, Motif motif, const IconFrame& frame);

// A four-pointed shuriken, turned by angle.
void DrawShuriken(Image& image, const IconFrame& frame, float angle, const glm::vec4& color);
// A kunai pointing from tail to tip.
void DrawKunai(Image& image, const IconFrame& frame, glm::vec2 tail, glm::vec2 tip, const glm::vec4& color);
