// The building blocks of the menu and heads-up display pictures: lacquered buttons with lettering, paper
// boxes, frames and bars, all in the shared palette.
#pragma once

#include <string>

#include "pictures/Image.h"

enum class ButtonLook {
    Normal,    // dark lacquer, gold rim, paper lettering
    Disabled,  // the same drawn in greys
    Red,       // a team button
    Blue,
};

// A button of the given size with its lettering.
Image Button(int width, int height, const std::string& text, ButtonLook look = ButtonLook::Normal);
// Lettering alone on a transparent picture (option labels, banners), in the given colour.
Image Label(int width, int height, const std::string& text, const glm::vec4& color);
// A light paper panel with an ink rim, for pictures that carry dark text drawn by the game.
Image PaperPanel(int width, int height, float cornerRadius);
// A dark translucent panel with a gold rim.
Image DarkPanel(int width, int height, float cornerRadius, float alpha);
// Fills the whole picture with a faint brush-grain noise over color.
void Grain(Image& image, const glm::vec4& color, float strength, unsigned seed);
